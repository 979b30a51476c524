#pragma once
// The numbers of every record file the game reads or writes (the save, the
// opponents, the upgrade tables) are signed 16-bit values stored low byte
// first. One codec for all of them, so no file can disagree with another.

#include "state/I16.h"

#include <QByteArray>
#include <cstdint>

namespace kobu {

// Writes `v` over the two bytes at `at` (the record must already hold them).
inline void putI16(QByteArray& record, qsizetype at, i16 v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v.value()));
    record[at] = static_cast<char>(u & 0xff);
    record[at + 1] = static_cast<char>(u >> 8);
}

// Appends `v` as two bytes.
inline void appendI16(QByteArray& record, i16 v) {
    const qsizetype at = record.size();
    record.append(2, '\0');
    putI16(record, at, v);
}

// The value stored in the two bytes at `at`.
inline i16 getI16(const QByteArray& record, qsizetype at) {
    const auto lo = static_cast<std::uint8_t>(record.at(at));
    const auto hi = static_cast<std::uint8_t>(record.at(at + 1));
    return i16(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8))));
}

} // namespace kobu
