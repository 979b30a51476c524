// The allocation rules as plain functions: presses on a draft of the six rows,
// from the start values (max HP 10, attack 8/2, defence 5/1, speed 5).
#include "character/Allocation.h"

#include <gtest/gtest.h>

using namespace kobu;
using namespace kobu::allocation;

namespace {

GameState startWith(int points) {
    GameState g;
    assignStartValues(g);
    g.abilityPoints = points;
    return g;
}

// Presses `p` on `row` and expects `why`; a refusal other than BelowCurrent
// leaves the draft as it was.
void expectPress(Draft& d, Row row, Press p, Refusal why) {
    const Draft before = d;
    EXPECT_EQ(press(d, row, p), why);
    if (why != Refusal::None) {
        EXPECT_EQ(d.result, before.result);
        EXPECT_EQ(d.used, before.used);
    }
}

} // namespace

TEST(Allocation, LeftRaisesRightTakesBackAndTheFloorHolds) {
    const GameState g = startWith(5);
    Draft d = begin(g);
    expectPress(d, Row::Hp, Press::Left, Refusal::None);
    expectPress(d, Row::Hp, Press::Left, Refusal::None);
    expectPress(d, Row::Hp, Press::Right, Refusal::None);
    EXPECT_EQ(d.resultOf(Row::Hp), 11);
    EXPECT_EQ(d.remaining(), i16(4));
    // Below the opening value every row goes back, the point kept.
    for (const Row r : {Row::AttackB, Row::DefenseB, Row::Speed}) {
        expectPress(d, r, Press::Right, Refusal::BelowCurrent);
        EXPECT_EQ(d.resultOf(r), d.currentOf(r).value());
    }
    EXPECT_EQ(d.remaining(), i16(4));
}

TEST(Allocation, WithoutPointsOnlyRightPressesRun) {
    Draft d = begin(startWith(0));
    // (The B rows at the start values are refused by their pair first.)
    for (const Row r : {Row::Hp, Row::AttackA, Row::DefenseA, Row::Speed}) {
        expectPress(d, r, Press::Left, Refusal::NoPointsLeft);
        expectPress(d, r, Press::Middle, Refusal::NoPointsLeft);
    }
    expectPress(d, Row::Speed, Press::Right, Refusal::BelowCurrent);
    EXPECT_EQ(d.remaining(), i16(0));
}

// Each row's limit is checked on the value before the press: one step past it
// is reachable, and then the row is fixed, lowering included.
TEST(Allocation, OneStepPastTheLimitThenTheRowIsFixed) {
    struct Case {
        Row row;
        i16 GameState::*field;
        int limit;
    };
    for (const Case c :
         {Case{Row::AttackA, &GameState::attackA, 40}, Case{Row::AttackB, &GameState::attackB, 30},
          Case{Row::DefenseA, &GameState::defenseA, 35},
          Case{Row::DefenseB, &GameState::defenseB, 22}, Case{Row::Speed, &GameState::speed, 12}}) {
        GameState g = startWith(5);
        // Partners far enough apart for the pair rules to stay out of the way.
        g.attackA = 60;
        g.defenseA = 60;
        g.*c.field = c.limit;
        Draft d = begin(g);
        expectPress(d, c.row, Press::Left, Refusal::None);
        EXPECT_EQ(d.resultOf(c.row), c.limit + 1);
        for (const Press p : {Press::Left, Press::Right, Press::Middle})
            expectPress(d, c.row, p, Refusal::Limit);
    }
    // Hit points have no limit.
    GameState g = startWith(1);
    g.maxHp = 500;
    Draft d = begin(g);
    expectPress(d, Row::Hp, Press::Left, Refusal::None);
}

TEST(Allocation, ThePairsKeepAFiveGap) {
    Draft d = begin(startWith(5));
    // Defence B cannot rise until defence A has.
    expectPress(d, Row::DefenseB, Press::Left, Refusal::PairGap);
    expectPress(d, Row::DefenseA, Press::Left, Refusal::None);
    expectPress(d, Row::DefenseB, Press::Left, Refusal::None);
    expectPress(d, Row::DefenseB, Press::Left, Refusal::PairGap);
    // Attack B rises to 4 beside attack A 8, and no further; A cannot come
    // down toward it.
    expectPress(d, Row::AttackB, Press::Left, Refusal::None);
    expectPress(d, Row::AttackB, Press::Left, Refusal::None);
    expectPress(d, Row::AttackB, Press::Left, Refusal::PairGap);
    expectPress(d, Row::AttackA, Press::Right, Refusal::PairGap);
    // Widening is never refused: B rows check only left presses.
    expectPress(d, Row::AttackB, Press::Right, Refusal::None);
    EXPECT_EQ(d.remaining(), i16(2));
}

// A middle press is checked as a raise (it needs a point and passes the pair
// rule) and changes the row as a lowering.
TEST(Allocation, AMiddlePressNeedsAPointAndLowers) {
    GameState g = startWith(5);
    g.attackB = 5; // the gap to attack A 8 is 3
    Draft d = begin(g);
    expectPress(d, Row::AttackA, Press::Left, Refusal::None);
    expectPress(d, Row::AttackA, Press::Right, Refusal::PairGap);
    expectPress(d, Row::AttackA, Press::Middle, Refusal::None);
    EXPECT_EQ(d.resultOf(Row::AttackA), 8);
    expectPress(d, Row::AttackA, Press::Middle, Refusal::BelowCurrent);
    EXPECT_EQ(d.remaining(), i16(5));
}

TEST(Allocation, CommitWritesTheResultsOnly) {
    GameState g = startWith(3);
    g.hp = 4;
    Draft d = begin(g);
    press(d, Row::Hp, Press::Left);
    press(d, Row::Speed, Press::Left);
    commit(d, g);
    EXPECT_EQ(g.maxHp, i16(11));
    EXPECT_EQ(g.hp, i16(4)); // raising the maximum does not heal
    EXPECT_EQ(g.speed, i16(6));
    EXPECT_EQ(g.abilityPoints, i16(3)); // the next win's reward replaces it
}
