#pragma once
// One row of the weapon and armour tables (Bukidata2.dat, Bougyo.dat): the
// 28-byte record the shop reads and the table tool writes, so that both sides
// share one codec.

#include "state/I16.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace kobu {

inline constexpr int kUpgradeRecordLength = 28;
inline constexpr int kUpgradeNameBytes = 20;

struct UpgradeRecord {
    QString name; // as stored: the whole 20-byte field, padding included
    i16 reserved;
    i16 gainA;
    i16 gainB;
    i16 price;
    friend bool operator==(const UpgradeRecord&, const UpgradeRecord&) = default;
};

// The 28 bytes of a record. The name is stored in code page 932 and padded
// with blanks; a name longer than 20 bytes is cut at a character boundary
// (the table tool refuses such names before they get here).
QByteArray encodeUpgradeRecord(const UpgradeRecord& r);
// Reads a record from `bytes` (at least 28 bytes from `offset`).
UpgradeRecord decodeUpgradeRecord(const QByteArray& bytes, qsizetype offset = 0);

// Reads records 1..count of a table file. Throws FileError when the file is
// missing or too short; never creates it.
std::vector<UpgradeRecord> readUpgradeTable(const QString& path, int count);

} // namespace kobu
