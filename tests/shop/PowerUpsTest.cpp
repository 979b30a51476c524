// The power-up items' rules as plain functions: each item's raise, the price
// at its exact amount, and the limit of five.
#include "shop/PowerUps.h"

#include <gtest/gtest.h>

using namespace kobu;

namespace {

GameState startWithMoney(int money) {
    GameState g;
    assignStartValues(g);
    g.hp = 7;
    g.money = money;
    return g;
}

} // namespace

TEST(PowerUps, EachItemRaisesItsOwnAbilitiesAndCountsOnce) {
    const GameState start = startWithMoney(400);
    struct Case {
        PowerUp item;
        int maxHp, attackA, attackB, defenseA, defenseB;
    };
    for (const Case c :
         {Case{PowerUp::Capsule, 13, 8, 2, 5, 1}, Case{PowerUp::Drink, 10, 9, 3, 5, 1},
          Case{PowerUp::Drug, 10, 8, 2, 6, 2}}) {
        SCOPED_TRACE(int(c.item));
        GameState g = start;
        applyPowerUp(g, c.item);
        EXPECT_EQ(g.maxHp, i16(c.maxHp));
        EXPECT_EQ(g.attackA, i16(c.attackA));
        EXPECT_EQ(g.attackB, i16(c.attackB));
        EXPECT_EQ(g.defenseA, i16(c.defenseA));
        EXPECT_EQ(g.defenseB, i16(c.defenseB));
        EXPECT_EQ(g.hp, i16(7)); // a higher maximum heals nothing
        EXPECT_EQ(g.speed, start.speed);
        EXPECT_EQ(g.powerUpsUsed, i16(1));
        EXPECT_EQ(g.money, i16(0));
    }
}

TEST(PowerUps, FourHundredIsEnough) {
    EXPECT_FALSE(canPayPowerUp(startWithMoney(399)));
    EXPECT_TRUE(canPayPowerUp(startWithMoney(400)));
    GameState g = startWithMoney(800);
    applyPowerUp(g, PowerUp::Drink);
    EXPECT_TRUE(canPayPowerUp(g));
    applyPowerUp(g, PowerUp::Drug);
    EXPECT_FALSE(canPayPowerUp(g));
}

// Used up from the fifth on; the shop's warning only at exactly five, so a
// count above it (from a loaded save) passes without a word.
TEST(PowerUps, TheFifthUsesThemUp) {
    GameState g = startWithMoney(10000);
    for (int i = 0; i < kPowerUpLimit; ++i) {
        EXPECT_FALSE(powerUpsUsedUp(g)) << i;
        EXPECT_FALSE(atPowerUpLimit(g)) << i;
        applyPowerUp(g, PowerUp(i % 3));
    }
    EXPECT_EQ(g.money, i16(10000 - 5 * 400));
    EXPECT_TRUE(powerUpsUsedUp(g));
    EXPECT_TRUE(atPowerUpLimit(g));
    g.powerUpsUsed = 6;
    EXPECT_TRUE(powerUpsUsedUp(g));
    EXPECT_FALSE(atPowerUpLimit(g));
}
