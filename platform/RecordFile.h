#pragma once
// Random-access files of fixed-length records, addressed from record 1, as the
// game's tables and save file are laid out.

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

// Reads record `number` (1-based) of `recordLength` bytes. Throws FileError when
// the file cannot be opened or does not hold the whole record. Never creates
// the file.
QByteArray readRecord(const QString& path, int recordLength, int number);

// Reads records 1..count; throws as readRecord when any is missing.
QByteArray readRecords(const QString& path, int recordLength, int count);

// Writes record `number` in place: the file is created when missing, bytes
// before and after the record are kept. The change reaches the disk through a
// temporary file renamed over the old one, so a failed write leaves the old
// file whole. Throws FileError when it cannot be written.
void writeRecord(const QString& path, int recordLength, int number, const QByteArray& record);

// Tests stand in for a failure between writing the new file and putting it
// in place (a full disk, a crash): return false to abandon the write there.
void setBeforeReplaceHookForTests(std::function<bool()> hook);

} // namespace platform
