// The recovery items' rules as plain functions: which quantities are sold, the
// total and its 16-bit limit, the purchase, and a use with the button it
// leaves on or off.
#include "shop/RecoveryItems.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

using namespace kobu;
using namespace kobu::recovery;

TEST(RecoveryItems, OnlyWholeQuantitiesOfNoneOrMoreAreSold) {
    for (const double q : {0.0, -0.0, 1.0, 2.0, 10.0, 40000.0})
        EXPECT_TRUE(sellable(q)) << q;
    // Fractions that would round to a whole number are refused all the same.
    for (const double q : {-1.0, -0.5, 0.25, 0.4, 1.5, 2.5})
        EXPECT_FALSE(sellable(q)) << q;
}

TEST(RecoveryItems, TheTotalAndItsSixteenBitLimit) {
    EXPECT_EQ(totalPrice({1, 2, 3}), i16(20 + 100 + 300));
    EXPECT_EQ(totalPrice({0, 0, 0}), i16(0));
    // Every total is a multiple of ten: 32760 is the largest that fits.
    EXPECT_EQ(totalPrice({1638, 0, 0}), i16(32760));
    EXPECT_EQ(totalPrice({3, 0, 327}), i16(32760));
    EXPECT_THROW(totalPrice({1639, 0, 0}), platform::OverflowError);
    EXPECT_THROW(totalPrice({0, 0, 328}), platform::OverflowError);
    // Each item's part fits, their sum does not.
    EXPECT_THROW(totalPrice({1000, 300, 0}), platform::OverflowError);
}

TEST(RecoveryItems, BuyingPaysAndAddsToEachItemsOwnCount) {
    GameState g;
    g.money = 420;
    g.tapWaterCount = 5;
    g.sodaCount = -1; // an edited save's count goes up like any other
    const std::array<double, 3> q{1, 2, 3};
    buy(g, q, totalPrice(q));
    EXPECT_EQ(g.money, i16(0));
    EXPECT_EQ(g.tapWaterCount, i16(6));
    EXPECT_EQ(g.naturalWaterCount, i16(2));
    EXPECT_EQ(g.sodaCount, i16(2));
}

TEST(RecoveryItems, AUseRestoresUpToTheMaximumAndSpendsOneItem) {
    struct Case {
        Item item;
        int hp;
        int maxHp;
        int hpAfter;
    };
    const Case cases[] = {
        {Item::TapWater, 4, 10, 9},
        {Item::NaturalWater, 50, 100, 65},
        {Item::Soda, 1, 100, 41},
        // exactly to the maximum, and one past it
        {Item::TapWater, 5, 10, 10},
        {Item::TapWater, 6, 10, 10},
        // at full hit points the item is still spent
        {Item::Soda, 10, 10, 10},
        // above the maximum the use brings them down
        {Item::Soda, 30, 10, 10},
        {Item::TapWater, -3, 10, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.item) << " at " << c.hp << "/" << c.maxHp);
        GameState g;
        g.hp = c.hp;
        g.maxHp = c.maxHp;
        g.*rule(c.item).count = 2;
        use(g, c.item);
        EXPECT_EQ(g.hp, i16(c.hpAfter));
        EXPECT_EQ(g.*rule(c.item).count, i16(1));
        for (const Item other : kItems) {
            if (other != c.item) {
                EXPECT_EQ(g.*rule(other).count, i16(0));
            }
        }
    }
}

// Counts below zero come only from an edited save or a purchase of the old
// rules: they can still be used and go further down.
TEST(RecoveryItems, TheUseButtonAtZeroAndBelow) {
    for (const Item item : kItems) {
        SCOPED_TRACE(int(item));
        GameState g;
        g.maxHp = 10;
        for (const int count : {1, -1, -32767}) {
            g.*rule(item).count = count;
            EXPECT_TRUE(usable(g, item)) << count;
        }
        g.*rule(item).count = 0;
        EXPECT_FALSE(usable(g, item));

        EXPECT_FALSE(offAfterUse(item, 1));
        EXPECT_TRUE(offAfterUse(item, 0));
        // Below zero only natural water's button stays on.
        EXPECT_EQ(offAfterUse(item, -1), item != Item::NaturalWater);

        g.*rule(item).count = -1;
        use(g, item);
        EXPECT_EQ(g.*rule(item).count, i16(-2));
    }
}
