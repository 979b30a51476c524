#include "platform/RecordFile.h"

#include "platform/Errors.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
std::function<bool()>& beforeReplace() {
    static std::function<bool()> h;
    return h;
}

QString cannotWrite() {
    return QCoreApplication::translate("platform::RecordFile", "ファイルに書き込めません。");
}

// Only a regular file (or a link to one) is read; anything else is refused
// without waiting on it.
void openRegularFile(QFile& f, const QString& path) {
    const FileProblem problem = openRegular(f, path, kMaxRecordFileBytes);
    if (problem != FileProblem::None)
        throw UnopenableFileError(playerText(problem), path, problem);
}

// A write interrupted between the naming of its temporary file and the
// rename leaves that file behind, named as QSaveFile names it: the target's
// name, a dot and six letters, beside the target a link leads to. The next
// write clears them away; no other file is touched.
void removeLeftovers(const QString& path) {
    const QFileInfo link(path);
    const QFileInfo target(
        link.isSymLink() && !link.canonicalFilePath().isEmpty() ? link.canonicalFilePath() : path);
    static const QRegularExpression leftover(QStringLiteral("^\\.[A-Za-z]{6}$"));
    const QString base = target.fileName();
    const QFileInfoList found = target.dir().entryInfoList(
        {base + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& fi : found)
        if (!fi.isSymLink() && fi.isFile() &&
            leftover.match(fi.fileName().mid(base.size())).hasMatch())
            QFile::remove(fi.filePath());
}

// Waits until the data written to `fd` is on the disk. A file system that
// cannot sync (EINVAL) keeps nothing back to wait for; any other failure (an
// I/O error that NFS or a failing disk reports only here) means the data may
// never arrive.
bool syncToDisk(int fd, bool dataOnly) {
    int r;
    do
        r = dataOnly ? ::fdatasync(fd) : ::fsync(fd);
    while (r != 0 && errno == EINTR);
    return r == 0 || errno == EINVAL;
}

// The folder's own entry for a file renamed into it reaches the disk only
// when the folder is synced.
bool syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = syncToDisk(fd, false);
    ::close(fd);
    return ok;
}

} // namespace

void setBeforeReplaceHookForTests(std::function<bool()> hook) {
    beforeReplace() = std::move(hook);
}

QByteArray readRecords(const QString& path, int recordLength, int count) {
    QFile f;
    openRegularFile(f, path);
    const QByteArray data = f.read(qint64(recordLength) * count);
    if (data.size() < qint64(recordLength) * count)
        throw FileError(QCoreApplication::translate("platform::RecordFile",
                                                    "ファイルが短すぎるか壊れています。"),
                        path);
    return data;
}

QByteArray readRecord(const QString& path, int recordLength, int number) {
    QFile f;
    openRegularFile(f, path);
    const qint64 offset = qint64(recordLength) * (number - 1);
    if (number < 1 || f.size() < offset + recordLength || !f.seek(offset))
        throw FileError(QCoreApplication::translate("platform::RecordFile",
                                                    "ファイルが短すぎるか壊れています。"),
                        path);
    const QByteArray data = f.read(recordLength);
    if (data.size() != recordLength)
        throw FileError(playerText(FileProblem::Unreadable), path);
    return data;
}

void writeRecord(const QString& path, int recordLength, int number, const QByteArray& record) {
    removeLeftovers(path);
    QByteArray whole;
    {
        const QFileInfo fi(path);
        if (fi.exists() || fi.isSymLink()) {
            QFile old;
            openRegularFile(old, path);
            // The bytes around the record are kept, which means reading them
            // all; a file far larger than any record file is refused instead
            // of holding up the game, one that grew since it was opened too.
            whole = old.read(kMaxRecordFileBytes + 1);
            if (whole.size() > kMaxRecordFileBytes)
                throw FileError(playerText(FileProblem::TooLarge), path);
            if (old.error() != QFileDevice::NoError)
                throw FileError(playerText(FileProblem::Unreadable), path);
        }
    }
    const qsizetype offset = qsizetype(recordLength) * (number - 1);
    if (whole.size() < offset + recordLength)
        whole.resize(offset + recordLength, '\0');
    QByteArray rec = record.left(recordLength);
    rec.resize(recordLength, '\0');
    whole.replace(offset, recordLength, rec);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw FileError(cannotWrite(), path);
    // write() only fills Qt's buffer: a full disk shows in the flush, and
    // commit() would put a short file in place of the old one regardless.
    // commit() syncs as well but ignores a failure, so the new file is synced
    // here first: a write error that shows only at the sync must not cost the
    // old file.
    const bool written = out.write(whole) == whole.size() && out.flush() &&
                         out.error() == QFileDevice::NoError && syncToDisk(out.handle(), true);
    if (!written || (beforeReplace() && !beforeReplace()())) {
        out.cancelWriting();
        out.commit();
        throw FileError(cannotWrite(), path);
    }
    if (!out.commit())
        throw FileError(cannotWrite(), path);
    const QFileInfo placed(QFileInfo(path).canonicalFilePath());
    const QString folder =
        placed.filePath().isEmpty() ? QFileInfo(path).absolutePath() : placed.absolutePath();
    if (!syncFolder(folder))
        throw UnconfirmedReplaceError(
            QCoreApplication::translate(
                "platform::RecordFile",
                "新しいファイルがディスクに書き込まれたことを確かめられません。"),
            path);
}

} // namespace platform
