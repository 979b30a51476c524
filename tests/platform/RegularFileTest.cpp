// Opening only regular files of a bounded size: what each kind of path gives,
// found without waiting on any of them.
#include "platform/RegularFile.h"
#include "support/FifoTrap.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform;
using testing_support::FifoTrap;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

FileProblem problemOf(const QString& path, std::int64_t maxBytes = 100) {
    return openRegular(path, maxBytes).problem();
}

} // namespace

TEST(RegularFile, OpensARegularFileOrALinkToOneUpToTheLimit) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("a"));
    writeFile(p, "12345");
    const RegularFile f = openRegular(p, 5);
    ASSERT_TRUE(f);
    EXPECT_EQ(f.size(), 5);
    char buf[8] = {};
    EXPECT_EQ(::read(f.fd(), buf, sizeof buf), 5) << "the descriptor is left blocking";

    ASSERT_TRUE(QFile::link(p, dir.filePath(QStringLiteral("link"))));
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("link"))), FileProblem::None);
    EXPECT_EQ(problemOf(p, 4), FileProblem::TooLarge);
}

TEST(RegularFile, SaysWhatStandsInPlaceOfTheFile) {
    QTemporaryDir dir;
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("none"))), FileProblem::Missing);
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("none/below"))), FileProblem::Missing);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("none")),
                            dir.filePath(QStringLiteral("dangling"))));
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("dangling"))), FileProblem::Missing);
    EXPECT_EQ(problemOf(dir.path()), FileProblem::Folder);
    EXPECT_EQ(problemOf(QStringLiteral("/dev/zero")), FileProblem::NotRegular);

    const FifoTrap fifo(dir.filePath(QStringLiteral("fifo")));
    ASSERT_TRUE(fifo.made());
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("fifo"))), FileProblem::NotRegular);
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("fifo")), dir.filePath(QStringLiteral("to-fifo"))));
    EXPECT_EQ(problemOf(dir.filePath(QStringLiteral("to-fifo"))), FileProblem::NotRegular);
    EXPECT_EQ(fifo.readersCaught(), 0);

    if (::geteuid() != 0) { // root reads whatever the permissions say
        const QString locked = dir.filePath(QStringLiteral("locked"));
        writeFile(locked, "x");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        EXPECT_EQ(problemOf(locked), FileProblem::Unreadable);
    }
}

TEST(RegularFile, ReadsTheWholeFileOnlyWithinTheLimit) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("a"));
    writeFile(p, QByteArray(1000, 'x'));
    FileProblem why = FileProblem::Unreadable;
    EXPECT_EQ(readRegular(p, 1000, why), QByteArray(1000, 'x'));
    EXPECT_EQ(why, FileProblem::None);
    EXPECT_EQ(readRegular(p, 999, why), std::nullopt);
    EXPECT_EQ(why, FileProblem::TooLarge);
    // Empty is a file like any other.
    writeFile(p, QByteArray());
    EXPECT_EQ(readRegular(p, 10, why), QByteArray());
    EXPECT_EQ(readRegular(dir.path(), 10, why), std::nullopt);
    EXPECT_EQ(why, FileProblem::Folder);
}
