#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

FileProblem problemOfType(const struct stat& st, std::int64_t maxBytes) {
    if (S_ISDIR(st.st_mode))
        return FileProblem::Folder;
    if (!S_ISREG(st.st_mode))
        return FileProblem::NotRegular;
    if (st.st_size > maxBytes)
        return FileProblem::TooLarge;
    return FileProblem::None;
}

FileProblem problemOfErrno(int error) {
    return error == ENOENT || error == ENOTDIR ? FileProblem::Missing : FileProblem::Unreadable;
}

} // namespace

RegularFile::RegularFile(const char* path, std::int64_t maxBytes) {
    // The look before the open keeps a FIFO from ever being opened; the open
    // without waiting and the look at what was opened keep one put in the
    // file's place meanwhile from blocking it.
    struct stat st {};
    if (::stat(path, &st) != 0) {
        problem_ = problemOfErrno(errno);
        return;
    }
    if ((problem_ = problemOfType(st, maxBytes)) != FileProblem::None)
        return;
    int fd;
    do
        fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        problem_ = problemOfErrno(errno);
        return;
    }
    if (::fstat(fd, &st) != 0) {
        problem_ = FileProblem::Unreadable;
    } else if ((problem_ = problemOfType(st, maxBytes)) == FileProblem::None) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            problem_ = FileProblem::Unreadable;
    }
    if (problem_ != FileProblem::None) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = st.st_size;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), problem_(other.problem_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        problem_ = other.problem_;
    }
    return *this;
}

int RegularFile::release() {
    return std::exchange(fd_, -1);
}

const char* describe(FileProblem problem) {
    switch (problem) {
    case FileProblem::None:
        break;
    case FileProblem::Missing:
        return "is missing";
    case FileProblem::Folder:
        return "is a folder, not a file";
    case FileProblem::NotRegular:
        return "is not a regular file";
    case FileProblem::TooLarge:
        return "is too large";
    case FileProblem::Unreadable:
        return "cannot be read";
    }
    return "can be read";
}

QString playerText(FileProblem problem) {
    switch (problem) {
    case FileProblem::None:
        break;
    case FileProblem::Missing:
        return QCoreApplication::translate("platform::RegularFile", "ファイルが見つかりません。");
    case FileProblem::Folder:
        return QCoreApplication::translate("platform::RegularFile",
                                           "ファイルではなくフォルダーです。");
    case FileProblem::NotRegular:
        return QCoreApplication::translate("platform::RegularFile",
                                           "普通のファイルではないため、開けません。");
    case FileProblem::TooLarge:
        return QCoreApplication::translate("platform::RegularFile", "ファイルが大きすぎます。");
    case FileProblem::Unreadable:
        return QCoreApplication::translate("platform::RegularFile", "ファイルを読み込めません。");
    }
    return {};
}

RegularFile openRegular(const QString& path, std::int64_t maxBytes) {
    return RegularFile(QFile::encodeName(path).constData(), maxBytes);
}

FileProblem openRegular(QFile& file, const QString& path, std::int64_t maxBytes) {
    RegularFile opened = openRegular(path, maxBytes);
    if (!opened)
        return opened.problem();
    if (!file.open(opened.fd(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return FileProblem::Unreadable;
    opened.release();
    return FileProblem::None;
}

std::optional<QByteArray> readRegular(const QString& path, std::int64_t maxBytes,
                                      FileProblem& why) {
    QFile file;
    if ((why = openRegular(file, path, maxBytes)) != FileProblem::None)
        return std::nullopt;
    // One byte past the limit tells a file that grew beyond it.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        why = FileProblem::Unreadable;
    else if (bytes.size() > maxBytes)
        why = FileProblem::TooLarge;
    if (why != FileProblem::None)
        return std::nullopt;
    return bytes;
}

} // namespace platform
