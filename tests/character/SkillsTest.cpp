// The skills' rules as plain functions: when each is offered, the money and
// hit-point checks at their exact limits, the purchase and what an activation
// does to the match.
#include "character/Skills.h"

#include <gtest/gtest.h>

using namespace kobu;
using namespace kobu::skills;
using combat::Skill;

namespace {

constexpr Skill kAll[] = {combat::kSpeedSecret, combat::kSpiritAttack, combat::kEnergyBoost,
                          combat::kHeal};

GameState atPhase(int phase, int stopped) {
    GameState g;
    g.skillMenuPhase = phase;
    g.enemyRollStopped = stopped;
    return g;
}

} // namespace

TEST(Skills, WhatIsOfferedInEachStep) {
    struct Case {
        int phase;
        int stopped;
        bool speedSecret, spiritAttack, energyBoost, heal;
    };
    const Case cases[] = {
        {combat::kSpeedContest, kFalse, true, true, true, true},
        // The opponent's roll has stopped: nothing that must beat it is offered.
        {combat::kSpeedContest, kTrue, true, false, true, false},
        {combat::kPlayerAttack, kFalse, false, false, true, false},
        {combat::kMutualAttack, kFalse, false, false, true, false},
        {combat::kOpponentAttack, kTrue, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << " stopped " << c.stopped);
        const GameState g = atPhase(c.phase, c.stopped);
        EXPECT_EQ(available(g, combat::kSpeedSecret), c.speedSecret);
        EXPECT_EQ(available(g, combat::kSpiritAttack), c.spiritAttack);
        EXPECT_EQ(available(g, combat::kEnergyBoost), c.energyBoost);
        EXPECT_EQ(available(g, combat::kHeal), c.heal);
    }
}

// Each skill at one G short of its price and at its hit-point floor, then one
// step past each limit, bought with exactly its price.
TEST(Skills, MoneyBeforeHitPointsAndBothAtTheirExactLimits) {
    struct Case {
        Skill skill;
        i16 GameState::*flag;
        int price;
        int floorHp;
    };
    for (const Case c : {Case{combat::kSpeedSecret, &GameState::hasSpeedSecret, 450, 4},
                         Case{combat::kSpiritAttack, &GameState::hasSpiritAttack, 400, 5},
                         Case{combat::kEnergyBoost, &GameState::hasEnergyBoost, 1200, 5},
                         Case{combat::kHeal, &GameState::hasHeal, 600, 1}}) {
        SCOPED_TRACE(c.skill);
        const Offer& o = offer(c.skill);
        EXPECT_EQ(o.skill, c.skill);
        GameState g;
        g.money = c.price - 1;
        g.hp = c.floorHp;
        EXPECT_EQ(refusal(g, o), Refusal::Money);
        g.money = c.price;
        EXPECT_EQ(refusal(g, o), Refusal::Hp);
        g.hp = c.floorHp + 1;
        EXPECT_EQ(refusal(g, o), Refusal::None);
        buy(g, o);
        EXPECT_EQ(g.money, i16(0));
        EXPECT_EQ(g.*c.flag, i16(kTrue));
        EXPECT_EQ(g.hasSpeedSecret.truth() + g.hasSpiritAttack.truth() + g.hasEnergyBoost.truth() +
                      g.hasHeal.truth(),
                  1);
        // Once bought, money no longer counts, hit points still do.
        EXPECT_EQ(refusal(g, o), Refusal::None);
        g.hp = c.floorHp;
        EXPECT_EQ(refusal(g, o), Refusal::Hp);
        // Any non-zero flag, as an edited save may hold, counts as bought.
        g.*c.flag = 1;
        EXPECT_TRUE(learnt(g, o));
    }
}

TEST(Skills, OnlyEnergyBoostGoesIntoForceOutsideTheSpeedContest) {
    for (const Skill s : kAll) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(inItsStep(atPhase(combat::kSpeedContest, kFalse), offer(s)));
        for (const int phase :
             {int(combat::kPlayerAttack), int(combat::kMutualAttack), int(combat::kOpponentAttack)})
            EXPECT_EQ(inItsStep(atPhase(phase, kFalse), offer(s)), s == combat::kEnergyBoost);
    }
}

TEST(Skills, ActivationCostsHitPointsAndSetsTheSkillGoing) {
    GameState start;
    assignStartValues(start);
    start.hp = 20;
    start.speed = 7;
    start.speedRollStep = 0;

    GameState g = start;
    combat::activateSkill(g, combat::kSpeedSecret);
    EXPECT_EQ(g.hp, i16(16));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_EQ(g.activeSkill, i16(combat::kSpeedSecret));
    EXPECT_EQ(g.speedRollStep, i16(1));

    // Spirit Attack and Heal halve the speed by truncation (7 -> 3, not 4)
    // and keep the whole value to give back.
    for (const auto& [skill, cost] :
         {std::pair{combat::kSpiritAttack, 5}, std::pair{combat::kHeal, 1}}) {
        SCOPED_TRACE(skill);
        g = start;
        combat::activateSkill(g, skill);
        EXPECT_EQ(g.hp, i16(20 - cost));
        EXPECT_EQ(g.speed, i16(3));
        EXPECT_EQ(g.skillBackup, i16(7));
        EXPECT_EQ(g.activeSkill, i16(skill));
        EXPECT_EQ(g.speedRollStep, i16(1));
    }

    // Energy Boost doubles attack and defence and leaves one hit point,
    // keeping the rest to give back.
    g = start;
    combat::activateSkill(g, combat::kEnergyBoost);
    EXPECT_EQ(g.attackA, i16(16));
    EXPECT_EQ(g.attackB, i16(4));
    EXPECT_EQ(g.defenseA, i16(10));
    EXPECT_EQ(g.defenseB, i16(2));
    EXPECT_EQ(g.hp, i16(1));
    EXPECT_EQ(g.skillBackup, i16(20));
    EXPECT_EQ(g.speed, i16(7));
    EXPECT_EQ(g.money, start.money); // the price is the purchase's, not the activation's
}
