#include "platform/RecordFile.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {
QByteArray fileBytes(const QString& p) {
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}
} // namespace

TEST(RecordFile, WritesAndReadsByRecordNumber) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("t.dat"));
    writeRecord(p, 4, 2, QByteArray("BBBB"));
    // Record 1 did not exist yet: it is filled with zero bytes.
    EXPECT_EQ(fileBytes(p), QByteArray("\0\0\0\0BBBB", 8));
    writeRecord(p, 4, 1, QByteArray("AAAA"));
    EXPECT_EQ(readRecord(p, 4, 1), QByteArray("AAAA"));
    EXPECT_EQ(readRecord(p, 4, 2), QByteArray("BBBB"));
    EXPECT_EQ(readRecords(p, 4, 2), QByteArray("AAAABBBB"));
}

TEST(RecordFile, WritingARecordKeepsWhatFollowsIt) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("t.dat"));
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1234567890");
    }
    writeRecord(p, 4, 1, QByteArray("ab"));
    EXPECT_EQ(fileBytes(p), QByteArray("ab\0\0"
                                       "567890",
                                       10));
}

TEST(RecordFile, ReadingBeyondTheEndIsAnErrorAndCreatesNothing) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("t.dat"));
    EXPECT_THROW(readRecord(p, 18, 1), FileError);
    EXPECT_FALSE(QFileInfo::exists(p));
    writeRecord(p, 18, 1, QByteArray(18, 'x'));
    EXPECT_THROW(readRecord(p, 18, 2), FileError);
    EXPECT_THROW(readRecord(p, 18, 0), FileError);
    EXPECT_THROW(readRecords(p, 18, 2), FileError);
    // A file holding part of a record.
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("short");
    }
    EXPECT_THROW(readRecord(p, 18, 2), FileError);
}

TEST(RecordFile, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("t.dat"));
    writeRecord(p, 4, 1, QByteArray("keep"));
    // The new bytes are written, but the write fails before they replace the file.
    setBeforeReplaceHookForTests([] { return false; });
    EXPECT_THROW(writeRecord(p, 4, 1, QByteArray("lost")), FileError);
    setBeforeReplaceHookForTests({});
    EXPECT_EQ(fileBytes(p), QByteArray("keep"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("t.dat")});
}

TEST(RecordFile, WritingIntoAMissingFolderIsAnError) {
    QTemporaryDir dir;
    EXPECT_THROW(writeRecord(dir.filePath(QStringLiteral("none/t.dat")), 4, 1, QByteArray("x")),
                 FileError);
}
