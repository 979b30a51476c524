#include "shop/UpgradeRecord.h"

#include "platform/Cp932.h"
#include "platform/RecordFile.h"
#include "state/RecordFields.h"

namespace kobu {
QByteArray encodeUpgradeRecord(const UpgradeRecord& r) {
    QByteArray out = platform::cp932Field(r.name, kUpgradeNameBytes);
    appendI16(out, r.reserved);
    appendI16(out, r.gainA);
    appendI16(out, r.gainB);
    appendI16(out, r.price);
    return out;
}

UpgradeRecord decodeUpgradeRecord(const QByteArray& bytes, qsizetype offset) {
    UpgradeRecord r;
    r.name = platform::fromCp932(bytes.mid(offset, kUpgradeNameBytes));
    r.reserved = getI16(bytes, offset + 20);
    r.gainA = getI16(bytes, offset + 22);
    r.gainB = getI16(bytes, offset + 24);
    r.price = getI16(bytes, offset + 26);
    return r;
}

std::vector<UpgradeRecord> readUpgradeTable(const QString& path, int count) {
    const QByteArray data = platform::readRecords(path, kUpgradeRecordLength, count);
    std::vector<UpgradeRecord> table;
    table.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k)
        table.push_back(decodeUpgradeRecord(data, qsizetype(k) * kUpgradeRecordLength));
    return table;
}

} // namespace kobu
