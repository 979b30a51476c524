#include "shop/UpgradeRecord.h"

#include "platform/Cp932.h"
#include "platform/RecordFile.h"

#include <cstdint>

namespace kobu {
namespace {

void putI16(QByteArray& out, i16 v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v.value()));
    out.append(static_cast<char>(u & 0xff));
    out.append(static_cast<char>(u >> 8));
}

i16 getI16(const QByteArray& in, qsizetype at) {
    const auto lo = static_cast<std::uint8_t>(in.at(at));
    const auto hi = static_cast<std::uint8_t>(in.at(at + 1));
    return i16(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8))));
}

} // namespace

QByteArray encodeUpgradeRecord(const UpgradeRecord& r) {
    QByteArray out = platform::cp932Field(r.name, kUpgradeNameBytes);
    putI16(out, r.reserved);
    putI16(out, r.gainA);
    putI16(out, r.gainB);
    putI16(out, r.price);
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
