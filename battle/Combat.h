#pragma once
// The rules of a match, free of any window: the rolls, the judging of an
// exchange with the skills that act in it, and the match outcome. The battle
// window calls these with the numbers it shows; a simulation can call them
// with numbers of its own and play whole matches headless.
//
// An exchange runs: speed contest (phase 1) -> judgeSpeedContest picks the
// attack step (phase 2, 3 or 4) -> judgeAttackStep -> endSkillsAfterAttack ->
// matchOutcome. With Secret of Speed in force the speed contest is rolled twice
// first (keepFirstSpeedRoll, then settleSpeedRolls).
//
// Every function changes only the GameState it is given, with checked 16-bit
// arithmetic: a result outside -32768..32767 throws platform::OverflowError,
// leaving the fields changed before the throw as they are (the error guard
// restores the whole state).

#include "state/GameState.h"

#include <QString>

namespace kobu::combat {

// The steps of an exchange, as the battle window's `phase` holds them.
enum Phase : int {
    kSpeedContest = 1,
    kPlayerAttack = 2,   // after a speed win: the player's attack meets the opponent's defence
    kMutualAttack = 3,   // after a speed draw: attack meets attack
    kOpponentAttack = 4, // after a speed loss: the opponent's attack meets the player's defence
};
inline bool isPhase(int phase) {
    return phase >= kSpeedContest && phase <= kOpponentAttack;
}

// The skills as `activeSkill` numbers them.
enum Skill : int {
    kNoSkill = 0,
    kSpeedSecret = 1,
    kSpiritAttack = 2,
    kEnergyBoost = 3,
    kHeal = 4,
};

// ---- Rolls -------------------------------------------------------------------
// `r` is one uniform single-precision draw from [0, 1). The range widths are
// 16-bit differences (an overflowing width throws); the rest is computed in
// double precision, so for every draw below 1 the result stays inside its range.

// The player's roll: both ends reachable.
//   speed contest    1 .. speed
//   player/mutual    attackB .. attackA
//   opponent attack  defenseB .. defenseA
i16 playerRoll(const GameState& g, int phase, float r);

// The opponent's roll: the upper end is never reached (an upper end equal to
// the lower gives the lower end every time).
//   speed contest    1 .. enemySpeed - 1
//   player attack    enemyDefenseB .. enemyDefenseA - 1
//   mutual/opponent  enemyAttackB .. enemyAttackA - 1
i16 opponentRoll(const GameState& g, int phase, float r);

// Whether the opponent's roll stops after this tick: floor(100 * r2 + 1) == 1,
// one chance in a hundred.
bool opponentStops(float r2);

// ---- Judging an exchange -------------------------------------------------------
enum class Result { Win, Draw, Loss }; // seen from the player
// Higher roll wins; equal rolls draw.
Result compareRolls(double player, double opponent);

// Secret of Speed rolls the speed contest twice. True when the player's roll
// that has just stopped is the first of the two.
bool isFirstOfTwoSpeedRolls(const GameState& g);
// The first roll: remembered (returned) and the second asked for.
i16 keepFirstSpeedRoll(GameState& g, double firstRoll);
// The second roll: the skill ends, and the roll that stands is returned: the
// better of the two, the second one when they are equal.
double settleSpeedRolls(GameState& g, double secondRoll, i16 firstRoll);

struct SpeedVerdict {
    Result result;
    Phase next; // the attack step that follows
    QString message; // "スピード勝ち", "スピードドロー" or "スピード負け", untranslated
    bool refresh; // shown values changed: status and panel are due
};
// The speed contest, with what it does to Spirit Attack (doubles attack A on a
// win, ends on a draw or loss) and Heal (ends on a loss). Secret of Speed must
// have been settled before. Energy Boost is not touched.
SpeedVerdict judgeSpeedContest(GameState& g, double player, double opponent);

struct AttackVerdict {
    Result result;
    QString message; // "プレイヤー勝利", "ドロー" or "プレイヤー負け", untranslated
};
// The attack step of any phase: the loser takes the difference as damage (no
// lower clamp). Under Heal a win heals twice the difference, up to maxHp,
// instead of hurting the opponent; any attack step ends Heal.
AttackVerdict judgeAttackStep(GameState& g, double player, double opponent);

// After every attack step: Spirit Attack gives back attack A and speed; Energy
// Boost halves the four values it doubled and leaves hp at 3 (even from 0 or
// below). True when shown values changed.
bool endSkillsAfterAttack(GameState& g);

// A match given up after a run-time error: the skill in force ends as the
// match would have ended it, so nothing stays halved or doubled and W works in
// the next match. Spirit Attack halves attack A back only in the player attack
// step (`phase` 2), the one step in which it stands doubled.
void abandonSkill(GameState& g, int phase);

// The activation of a skill from the skills window: `activeSkill` and
// `speedRollStep` = 1, then the skill's cost in hp and its effects:
//   Secret of Speed  hp - 4
//   Spirit Attack    hp - 5, skillBackup = speed, speed halved (truncated)
//   Energy Boost     skillBackup = hp, hp = 1, attack A/B and defence A/B doubled
//   Heal             hp - 1, skillBackup = speed, speed halved (truncated)
// Prices and the checks before it belong to the skills window.
void activateSkill(GameState& g, int skill);

// ---- Match outcome -------------------------------------------------------------
enum class Outcome {
    Continue, // both stand: the next exchange
    Lost,     // hp below 1 (checked first)
    Won,      // enemyHp below 1 in rounds 1 to 9
    Cleared,  // enemyHp below 1 in the last round
};
Outcome matchOutcome(const GameState& g);

inline constexpr int kMoneyCap = 10000;

// A lost match: half the money (truncated), hp 1. The round stays.
void applyLoss(GameState& g);
// A won match: the opponent's reward points replace what was left.
void grantRewardPoints(GameState& g);
// Rounds 1 to 9: the next round and the prize money (may overflow).
void advanceRound(GameState& g);
// Money strictly above the cap after a prize.
bool isOverMoneyCap(const GameState& g);
// Halves the money, truncated.
void halveMoney(GameState& g);

// What a won match gives, in the order the game gives it: the reward points;
// then, unless it was the last match, the next round with its prize money.
// Returns whether the money is now over the cap; the caller halves it
// (halveMoney) once the player has been told.
bool settleWonMatch(GameState& g, Outcome outcome);

} // namespace kobu::combat
