#include "platform/RecordFile.h"

#include "platform/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace platform {
namespace {
std::function<bool()>& beforeReplace() {
    static std::function<bool()> h;
    return h;
}
} // namespace

void setBeforeReplaceHookForTests(std::function<bool()> hook) { beforeReplace() = std::move(hook); }

QByteArray readRecords(const QString& path, int recordLength, int count) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("ファイルを開けません。"), path);
    const QByteArray data = f.read(qint64(recordLength) * count);
    if (data.size() < qint64(recordLength) * count)
        throw FileError(QStringLiteral("ファイルが短すぎるか壊れています。"), path);
    return data;
}

QByteArray readRecord(const QString& path, int recordLength, int number) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("ファイルを開けません。"), path);
    const qint64 offset = qint64(recordLength) * (number - 1);
    if (number < 1 || f.size() < offset + recordLength || !f.seek(offset))
        throw FileError(QStringLiteral("ファイルが短すぎるか壊れています。"), path);
    const QByteArray data = f.read(recordLength);
    if (data.size() != recordLength)
        throw FileError(QStringLiteral("ファイルを読み込めません。"), path);
    return data;
}

void writeRecord(const QString& path, int recordLength, int number, const QByteArray& record) {
    QByteArray whole;
    {
        QFile old(path);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly))
                throw FileError(QStringLiteral("ファイルを開けません。"), path);
            whole = old.readAll();
        }
    }
    const qsizetype offset = qsizetype(recordLength) * (number - 1);
    if (whole.size() < offset + recordLength)
        whole.resize(offset + recordLength, '\0');
    QByteArray rec = record.left(recordLength);
    rec.resize(recordLength, '\0');
    whole.replace(offset, recordLength, rec);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(whole) != whole.size())
        throw FileError(QStringLiteral("ファイルに書き込めません。"), path);
    if (beforeReplace() && !beforeReplace()()) {
        out.cancelWriting();
        out.commit();
        throw FileError(QStringLiteral("ファイルに書き込めません。"), path);
    }
    if (!out.commit())
        throw FileError(QStringLiteral("ファイルに書き込めません。"), path);
}

} // namespace platform
