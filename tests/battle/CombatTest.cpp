// The rules of a match without a window: rolls, the judging of an exchange
// with its skills, and the outcome.
#include "battle/Combat.h"
#include "platform/Errors.h"
#include "state/GameState.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kobu;
using namespace kobu::combat;

namespace {

// The largest single-precision draw below 1.
const float kTop = std::nextafter(1.0f, 0.0f);

GameState startState() {
    GameState g;
    assignStartValues(g);
    g.opponent.enemyAttackA = 9;
    g.opponent.enemyAttackB = 2;
    g.opponent.enemyDefenseA = 5;
    g.opponent.enemyDefenseB = 1;
    g.opponent.enemySpeed = 6;
    g.opponent.enemyHp = 9;
    g.opponent.enemyRewardPoints = 5;
    g.opponent.enemyPrizeMoney = 100;
    return g;
}

} // namespace

// ---- Rolls ------------------------------------------------------------------

TEST(Rolls, PlayerReachesBothEndsOfEveryRange) {
    GameState g = startState();
    EXPECT_EQ(playerRoll(g, kSpeedContest, 0.0f), i16(1));
    EXPECT_EQ(playerRoll(g, kSpeedContest, kTop), i16(5));
    for (int phase : {kPlayerAttack, kMutualAttack}) {
        EXPECT_EQ(playerRoll(g, phase, 0.0f), i16(2)) << phase;
        EXPECT_EQ(playerRoll(g, phase, kTop), i16(8)) << phase;
    }
    EXPECT_EQ(playerRoll(g, kOpponentAttack, 0.0f), i16(1));
    EXPECT_EQ(playerRoll(g, kOpponentAttack, kTop), i16(5));
}

TEST(Rolls, OpponentNeverReachesTheUpperEnd) {
    GameState g = startState();
    EXPECT_EQ(opponentRoll(g, kSpeedContest, 0.0f), i16(1));
    EXPECT_EQ(opponentRoll(g, kSpeedContest, kTop), i16(5));
    EXPECT_EQ(opponentRoll(g, kPlayerAttack, 0.0f), i16(1)); // defence
    EXPECT_EQ(opponentRoll(g, kPlayerAttack, kTop), i16(4));
    for (int phase : {kMutualAttack, kOpponentAttack}) { // attack
        EXPECT_EQ(opponentRoll(g, phase, 0.0f), i16(2)) << phase;
        EXPECT_EQ(opponentRoll(g, phase, kTop), i16(8)) << phase;
    }
}

TEST(Rolls, LargeLowerEndsStayInsideTheirRange) {
    // Single-precision arithmetic would round 30000 + 2.9999998 up to 30003.
    GameState g = startState();
    g.attackB = 30000;
    g.attackA = 30002;
    g.opponent.enemyAttackB = 30000;
    g.opponent.enemyAttackA = 30003;
    EXPECT_EQ(playerRoll(g, kPlayerAttack, kTop), i16(30002));
    EXPECT_EQ(opponentRoll(g, kOpponentAttack, kTop), i16(30002));
}

TEST(Rolls, DegenerateRangesGiveOneValue) {
    GameState g = startState();
    g.speed = 1;
    g.opponent.enemySpeed = 1;
    g.opponent.enemyAttackB = 4;
    g.opponent.enemyAttackA = 5; // A = B + 1
    g.opponent.enemyDefenseA = 3;
    g.opponent.enemyDefenseB = 3; // equal ends
    g.defenseA = 4;
    g.defenseB = 4;
    for (float r : {0.0f, 0.5f, kTop}) {
        EXPECT_EQ(playerRoll(g, kSpeedContest, r), i16(1));
        EXPECT_EQ(opponentRoll(g, kSpeedContest, r), i16(1));
        EXPECT_EQ(opponentRoll(g, kMutualAttack, r), i16(4));
        EXPECT_EQ(opponentRoll(g, kPlayerAttack, r), i16(3));
        EXPECT_EQ(playerRoll(g, kOpponentAttack, r), i16(4));
    }
}

TEST(Rolls, AnOverflowingRangeWidthIsAnError) {
    GameState g = startState();
    g.attackA = 32767;
    g.attackB = -1; // 32767 - (-1) leaves 16 bits
    EXPECT_THROW(playerRoll(g, kPlayerAttack, 0.5f), platform::OverflowError);
    g.attackB = 0; // 32767 - 0 + 1 overflows on the + 1
    EXPECT_THROW(playerRoll(g, kMutualAttack, 0.5f), platform::OverflowError);
    g.opponent.enemySpeed = -32768;
    EXPECT_THROW(opponentRoll(g, kSpeedContest, 0.5f), platform::OverflowError);
    g.opponent.enemyDefenseA = 32767;
    g.opponent.enemyDefenseB = -1;
    EXPECT_THROW(opponentRoll(g, kPlayerAttack, 0.5f), platform::OverflowError);
}

TEST(Rolls, OpponentStopsOnOneDrawInAHundred) {
    EXPECT_TRUE(opponentStops(0.0f));
    EXPECT_TRUE(opponentStops(0.0099f));
    EXPECT_FALSE(opponentStops(0.0101f));
    EXPECT_FALSE(opponentStops(0.5f));
    EXPECT_FALSE(opponentStops(kTop));
}

// ---- Speed contest -----------------------------------------------------------

TEST(SpeedContest, SpiritAttackDoublesOnAWinAndEndsOnADrawOrLoss) {
    GameState g = startState();
    g.activeSkill = kSpiritAttack;
    g.attackA = 20;
    g.skillBackup = 7;
    g.speed = 3;
    SpeedVerdict v = judgeSpeedContest(g, 3, 1);
    EXPECT_EQ(g.attackA, i16(40));
    EXPECT_TRUE(v.refresh);
    EXPECT_EQ(g.activeSkill, i16(kSpiritAttack));
    EXPECT_EQ(g.speed, i16(3)); // given back only after the attack step

    for (double player : {1.0, 2.0}) { // loss, draw
        g.attackA = 20;
        g.activeSkill = kSpiritAttack;
        g.speed = 3;
        v = judgeSpeedContest(g, player, 2);
        EXPECT_EQ(g.attackA, i16(20));
        EXPECT_EQ(g.speed, i16(7));
        EXPECT_EQ(g.activeSkill, i16(kNoSkill));
        EXPECT_FALSE(v.refresh);
    }
}

TEST(SpeedContest, HealEndsOnlyOnALoss) {
    GameState g = startState();
    g.skillBackup = 7;
    for (double player : {3.0, 2.0}) { // win, draw: still in force
        g.activeSkill = kHeal;
        g.speed = 3;
        judgeSpeedContest(g, player, 2);
        EXPECT_EQ(g.activeSkill, i16(kHeal));
        EXPECT_EQ(g.speed, i16(3));
    }
    const SpeedVerdict v = judgeSpeedContest(g, 1, 2);
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_TRUE(v.refresh);
}

TEST(SpeedContest, DoublingAttackAPastTheRangeIsAnError) {
    GameState g = startState();
    g.activeSkill = kSpiritAttack;
    g.attackA = 16384;
    EXPECT_THROW(judgeSpeedContest(g, 3, 1), platform::OverflowError);
}

TEST(SecretOfSpeed, TheBetterOfTwoRollsStands) {
    GameState g = startState();
    g.activeSkill = kSpeedSecret;
    g.speedRollStep = 1;
    ASSERT_TRUE(isFirstOfTwoSpeedRolls(g));
    const i16 first = keepFirstSpeedRoll(g, 6);
    EXPECT_EQ(first, i16(6));
    EXPECT_EQ(g.speedRollStep, i16(2));
    EXPECT_FALSE(isFirstOfTwoSpeedRolls(g));

    EXPECT_EQ(settleSpeedRolls(g, 2, first), 6.0);
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));
    EXPECT_EQ(g.speedRollStep, i16(1));

    g.activeSkill = kSpeedSecret;
    EXPECT_EQ(settleSpeedRolls(g, 7, first), 7.0);
    EXPECT_EQ(settleSpeedRolls(g, 6, first), 6.0);
}

// ---- Attack step -------------------------------------------------------------

TEST(AttackStep, HealHealsTwiceTheMarginUpToTheMaximum) {
    GameState g = startState();
    g.activeSkill = kHeal;
    g.hp = 10;
    g.maxHp = 15;
    g.speed = 3;
    g.skillBackup = 7;
    judgeAttackStep(g, 9, 4);
    EXPECT_EQ(g.hp, i16(15)); // 10 + 10, clamped
    EXPECT_EQ(g.opponent.enemyHp, i16(9));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));

    g.activeSkill = kHeal;
    g.hp = 4;
    judgeAttackStep(g, 6, 4);
    EXPECT_EQ(g.hp, i16(8)); // below the maximum: no clamp
}

TEST(AttackStep, HealEndsWithoutHealingOnADrawOrLoss) {
    GameState g = startState();
    g.skillBackup = 7;
    g.activeSkill = kHeal;
    g.speed = 3;
    judgeAttackStep(g, 4, 4);
    EXPECT_EQ(g.hp, i16(10));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));

    g.activeSkill = kHeal;
    g.speed = 3;
    judgeAttackStep(g, 2, 5);
    EXPECT_EQ(g.hp, i16(7));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));
}

TEST(AttackStep, HealingPastTheRangeIsAnError) {
    GameState g = startState();
    g.activeSkill = kHeal;
    g.hp = 32760;
    g.maxHp = 32767;
    EXPECT_THROW(judgeAttackStep(g, 10, 5), platform::OverflowError);
}

TEST(SkillEndings, HalvingRoundsHalvesToEven) {
    GameState g = startState();
    g.activeSkill = kSpiritAttack;
    g.attackA = 7;
    endSkillsAfterAttack(g);
    EXPECT_EQ(g.attackA, i16(4));
    g.activeSkill = kSpiritAttack;
    g.attackA = 5;
    endSkillsAfterAttack(g);
    EXPECT_EQ(g.attackA, i16(2));
}

TEST(SkillEndings, AnAbandonedMatchLeavesNoSkillBehind) {
    GameState g = startState();
    g.skillBackup = 7;

    g.activeSkill = kSpiritAttack; // doubled in the player attack step
    g.attackA = 20;
    g.speed = 3;
    abandonSkill(g, kPlayerAttack);
    EXPECT_EQ(g.attackA, i16(10));
    EXPECT_EQ(g.speed, i16(7));

    g.activeSkill = kSpiritAttack; // not yet doubled in the speed contest
    g.attackA = 20;
    g.speed = 3;
    abandonSkill(g, kSpeedContest);
    EXPECT_EQ(g.attackA, i16(20));
    EXPECT_EQ(g.speed, i16(7));

    g.activeSkill = kHeal;
    g.speed = 3;
    abandonSkill(g, kSpeedContest);
    EXPECT_EQ(g.speed, i16(7));

    g.activeSkill = kEnergyBoost;
    g.attackA = 16;
    g.hp = 1;
    abandonSkill(g, kMutualAttack);
    EXPECT_EQ(g.attackA, i16(8));
    EXPECT_EQ(g.hp, i16(3));

    g.activeSkill = kSpeedSecret;
    g.speedRollStep = 2;
    abandonSkill(g, kSpeedContest);
    EXPECT_EQ(g.speedRollStep, i16(1));
    EXPECT_EQ(g.activeSkill, i16(kNoSkill));
}

// ---- Match outcome -----------------------------------------------------------

TEST(Outcome, LossIsCheckedFirstAndBelowOneIsDown) {
    GameState g = startState();
    EXPECT_EQ(matchOutcome(g), Outcome::Continue);
    g.hp = 0;
    g.opponent.enemyHp = 0;
    EXPECT_EQ(matchOutcome(g), Outcome::Lost);
    g.hp = 1;
    EXPECT_EQ(matchOutcome(g), Outcome::Won);
    g.roundNumber = 9;
    EXPECT_EQ(matchOutcome(g), Outcome::Won);
    g.roundNumber = 10;
    EXPECT_EQ(matchOutcome(g), Outcome::Cleared);
    g.opponent.enemyHp = 1;
    EXPECT_EQ(matchOutcome(g), Outcome::Continue);
}

TEST(Outcome, APrizePastTheRangeIsAnError) {
    GameState g = startState();
    g.money = 32000;
    g.opponent.enemyPrizeMoney = 1000;
    EXPECT_THROW(advanceRound(g), platform::OverflowError);
}
