#pragma once
// Opening a file the game reads only when it is a regular file (or a link to
// one) of a bounded size. Anything else is refused without waiting on it: a
// FIFO would block open() until another program writes, a device such as
// /dev/zero never stops giving bytes, and a huge file would hold up the game
// while it is read.
//
// RegularFile itself is plain POSIX, usable where Qt is not; the functions
// below it serve the Qt side.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class QFile;

namespace platform {

enum class FileProblem {
    None,
    Missing,    // nothing there, or a link that leads nowhere
    Folder,     // a directory stands where the file should be
    NotRegular, // a FIFO, a device or a socket
    TooLarge,
    Unreadable, // no permission, or an error while opening or reading
};

// A descriptor open for reading, closed with the object.
class RegularFile {
  public:
    // Opens `path` when it is a regular file of at most `maxBytes`; otherwise
    // the object holds no descriptor and problem() says why.
    RegularFile(const char* path, std::int64_t maxBytes);
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // The size when it was opened; a file still being written may grow.
    std::int64_t size() const { return size_; }
    FileProblem problem() const { return problem_; }
    // Hands the descriptor over to the caller, who then closes it.
    int release();

  private:
    int fd_ = -1;
    std::int64_t size_ = 0;
    FileProblem problem_ = FileProblem::None;
};

// The problem in a few English words for standard error ("is missing").
const char* describe(FileProblem problem);
// The problem as a sentence for the player, in the language of the moment.
QString playerText(FileProblem problem);

RegularFile openRegular(const QString& path, std::int64_t maxBytes);

// Opens `path` into `file` for reading as above. Returns FileProblem::None
// on success; the QFile then owns the descriptor.
FileProblem openRegular(QFile& file, const QString& path, std::int64_t maxBytes);

// The whole of `path` when it is a regular file of at most `maxBytes`, its
// bytes read to the end however it grows meanwhile; else none, with `why`.
std::optional<QByteArray> readRegular(const QString& path, std::int64_t maxBytes, FileProblem& why);

} // namespace platform
