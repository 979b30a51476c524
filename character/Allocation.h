#pragma once
// Spreading ability points after a won match. Each of six rows is changed one
// point per mouse press on its button: a left press raises it, a right press
// takes a raise back. Three kinds of limit apply:
// - a row's limit: once a row's result is above it, the row is fixed (the
//   check looks at the value before the press, so one step past the limit is
//   reachable, and from there even lowering is refused);
// - the pairs: attack A must stay at least 4 above attack B, and defence A at
//   least 4 above defence B; an A row refuses a right press that would narrow
//   the gap (checked before its limit), a B row a left press (after its limit);
// - no row goes below the value it had when the window opened, and no more
//   points are spent than the match gave.
// A middle press is checked as a raise and changes the row as a lowering, as
// the window has always taken it.

#include "state/GameState.h"

#include <QtGlobal>
#include <array>

namespace kobu::allocation {

enum class Row { Hp, AttackA, AttackB, DefenseA, DefenseB, Speed };
inline constexpr int kRowCount = 6;
inline constexpr std::array<Row, kRowCount> kRows{Row::Hp,       Row::AttackA,  Row::AttackB,
                                                  Row::DefenseA, Row::DefenseB, Row::Speed};

enum class Press { Left, Right, Middle };

enum class Refusal {
    None,
    PairGap,      // the pair would come too close
    Limit,        // the row is past its limit
    NoPointsLeft, // a raise with every point spent
    BelowCurrent, // a lowering below the opening value: undone
};

// The abilities being worked out, from the window's opening to its OK.
struct Draft {
    std::array<i16, kRowCount> current{}; // the abilities when the window opened
    std::array<qint64, kRowCount> result{};
    i16 points;   // the points the match gave
    i16 used = 0; // net points spent so far
    i16 remaining() const { return points - used; }
    qint64 resultOf(Row r) const { return result[static_cast<size_t>(r)]; }
    i16 currentOf(Row r) const { return current[static_cast<size_t>(r)]; }
};

Draft begin(const GameState& g);

// One press on a row's button. On a refusal other than BelowCurrent nothing
// changes; BelowCurrent puts the row back to its opening value.
Refusal press(Draft& d, Row row, Press p);

// The confirmed results become the player's abilities.
void commit(const Draft& d, GameState& g);

} // namespace kobu::allocation
