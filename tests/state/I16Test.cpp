#include "state/I16.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

using kobu::i16;
using platform::OverflowError;

TEST(I16, ArithmeticAtBothEdgesOfTheRange) {
    EXPECT_EQ(i16(32766) + 1, i16(32767));
    EXPECT_THROW(i16(32767) + 1, OverflowError);
    EXPECT_EQ(i16(-32767) - 1, i16(-32768));
    EXPECT_THROW(i16(-32768) - 1, OverflowError);
    EXPECT_THROW(i16(-32768) + i16(-1), OverflowError);
    EXPECT_EQ(i16(16383) * 2, i16(32766));
    EXPECT_THROW(i16(16384) * 2, OverflowError);
    EXPECT_EQ(i16(-16384) * 2, i16(-32768));
    EXPECT_THROW(i16(-16385) * 2, OverflowError);
    EXPECT_THROW(-i16(-32768), OverflowError);
    EXPECT_EQ(-i16(32767), i16(-32767));
    EXPECT_THROW(i16(-32768) / -1, OverflowError);
    EXPECT_THROW(i16(5) / 0, OverflowError);
    EXPECT_THROW(i16(40000), OverflowError);
    EXPECT_THROW(i16(-40000), OverflowError);
}

TEST(I16, CompoundAssignmentLeavesTheValueOnOverflow) {
    i16 v = 32767;
    EXPECT_THROW(v += 1, OverflowError);
    EXPECT_EQ(v, i16(32767));
}

TEST(I16, FromDoubleRoundsHalvesToEven) {
    EXPECT_EQ(i16::fromDouble(0.5), i16(0));
    EXPECT_EQ(i16::fromDouble(1.5), i16(2));
    EXPECT_EQ(i16::fromDouble(2.5), i16(2));
    EXPECT_EQ(i16::fromDouble(3.5), i16(4));
    EXPECT_EQ(i16::fromDouble(-2.5), i16(-2));
    EXPECT_EQ(i16::fromDouble(-0.5), i16(0));
    EXPECT_EQ(i16::fromDouble(2.4999), i16(2));
    EXPECT_EQ(i16::fromDouble(32767.4), i16(32767));
    EXPECT_THROW(i16::fromDouble(32767.5), OverflowError);
    EXPECT_EQ(i16::fromDouble(-32768.5), i16(-32768));
    EXPECT_THROW(i16::fromDouble(-32768.6), OverflowError);
    EXPECT_THROW(i16::fromDouble(1.0 / 0.0), OverflowError);
}

TEST(I16, HalvingTruncatesOrRoundsAsAsked) {
    EXPECT_EQ(i16(7) / 2, i16(3));
    EXPECT_EQ(i16(-7) / 2, i16(-3));
    EXPECT_EQ(i16(-1) / 2, i16(0));
    EXPECT_EQ(i16(7).halfRounded(), i16(4));
    EXPECT_EQ(i16(5).halfRounded(), i16(2));
    EXPECT_EQ(i16(-5).halfRounded(), i16(-2));
}

TEST(I16, TextIsPlainDecimal) {
    EXPECT_EQ(i16(-3).str(), QStringLiteral("-3"));
    EXPECT_EQ(i16(0).str(), QStringLiteral("0"));
    EXPECT_EQ(i16(-32768).str(), QStringLiteral("-32768"));
    EXPECT_EQ(i16(12000).str(), QStringLiteral("12000"));
}
