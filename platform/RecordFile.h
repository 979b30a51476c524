#pragma once
// Random-access files of fixed-length records, addressed from record 1, as the
// game's tables and save file are laid out.

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

// The largest file a record is written into: its other bytes are kept, so the
// whole file is read first. The game's files are a few kilobytes.
inline constexpr qint64 kMaxRecordFileBytes = 4 * 1024 * 1024;

// Only regular files (or links to one) are read or written over: anything else
// (a FIFO, a device, a folder) is a FileError, found without waiting on it.

// Reads record `number` (1-based) of `recordLength` bytes. Throws
// UnopenableFileError when the file cannot be opened (missing, not a regular
// file, larger than kMaxRecordFileBytes, unreadable) and FileError when it does
// not hold the whole record. Never creates the file.
QByteArray readRecord(const QString& path, int recordLength, int number);

// Reads records 1..count; throws as readRecord when any is missing.
QByteArray readRecords(const QString& path, int recordLength, int count);

// Writes record `number` in place: the file is created when missing, bytes
// before and after the record are kept. The change reaches the disk through a
// temporary file renamed over the old one, so a failed write (a full disk
// included) leaves the old file whole; temporary files that an interrupted
// write left behind are removed. The new file is on the disk before it takes
// the old one's place. Throws FileError when it cannot be written (a sync that
// fails included), and when the file is larger than kMaxRecordFileBytes; the
// old file is then untouched. Throws UnconfirmedReplaceError when the new file
// is in place but its folder could not be synced.
void writeRecord(const QString& path, int recordLength, int number, const QByteArray& record);

// Tests stand in for a failure between writing the new file and putting it
// in place (a full disk, a crash): return false to abandon the write there.
void setBeforeReplaceHookForTests(std::function<bool()> hook);

} // namespace platform
