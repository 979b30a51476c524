#pragma once
// The opponent roster: one 18-byte record per round in Enemy.dat, read afresh
// at every battle start, and the panel that shows both fighters' values.

#include "state/GameState.h"

#include <QByteArray>
#include <QString>

namespace kobu {

// Nine little-endian signed 16-bit fields, no padding.
inline constexpr int kOpponentRecordLength = 18;
// The game has ten rounds, so the roster must hold at least ten records.
inline constexpr int kRosterRounds = 10;

QByteArray encodeOpponent(const OpponentRecord& r);
// `bytes` must hold exactly one record.
OpponentRecord decodeOpponent(const QByteArray& bytes);

// appPath + "/Enemy.dat".
QString rosterPath();

// Reads record `roundNumber` into the game state's opponent. A missing file or
// a roster too short for the round (a loaded save can hold any round) is a
// FileError that names the round; the file is never created.
void loadOpponent();

} // namespace kobu
