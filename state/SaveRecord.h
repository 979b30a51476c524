#pragma once
// The save file's one record: 554 bytes, little-endian 16-bit numbers, texts
// in code page 932 filled with blanks to 30 bytes, four reserved 100-byte
// fields written as zeros.

#include "state/GameState.h"

#include <QByteArray>

namespace kobu {

inline constexpr int kSaveRecordLength = 554;
inline constexpr int kSaveTextBytes = 30;

// The record for the saved fields of `g`.
QByteArray encodeSaveRecord(const GameState& g);
// Copies every saved field of `record` (554 bytes) into `g`; the rest of `g`
// (the opponent, the program paths) is left alone. Texts come back with their
// blanks, filled up to 30 characters.
// A skill number that no skill has comes back as none in force.
void decodeSaveRecord(const QByteArray& record, GameState& g);

QString saveFilePath(const GameState& g);

} // namespace kobu
