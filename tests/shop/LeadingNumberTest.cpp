#include "platform/LeadingNumber.h"
#include "platform/Errors.h"
#include "state/I16.h"

#include <cmath>
#include <gtest/gtest.h>

using platform::leadingNumber;

namespace {

struct Case {
    const char* text; // UTF-8
    double value;
};

// What a quantity box holds and what the shop reads from it.
const Case kCases[] = {
    // empty, text only, no number at the start
    {"", 0},
    {"abc", 0},
    {"個3", 0},
    {"+", 0},
    {"-", 0},
    {".", 0},
    {"３", 0}, // full-width digits are not digits here
    // plain numbers and signs
    {"7", 7},
    {"+7", 7},
    {"-7", -7},
    {"007", 7},
    // blanks, tabs and line feeds are ignored anywhere, even inside digits
    {"1 2", 12},
    {"  4", 4},
    {"\t1\n0", 10},
    {"- 3", -3},
    {"1 E 2", 100},
    // carriage returns are not among them
    {"1\r2", 1},
    // trailing text ends the number
    {"3個", 3},
    {"12abc", 12},
    {"1.5.2", 1.5},
    {"2-3", 2},
    // fractions
    {"1.5", 1.5},
    {".5", 0.5},
    {"5.", 5},
    {"-0.4", -0.4},
    // exponents with E or D, either case, with or without a sign
    {"1E3", 1000},
    {"1e3", 1000},
    {"2D3", 2000},
    {"2d-1", 0.2},
    {"1.5E+1", 15},
    {"1E", 1},
    {"1E+", 1},
    {"1Ex", 1},
    {"1E2.5", 100},
    {"1E-999", 0},
    // hexadecimal and octal integers
    {"&H10", 16},
    {"&h1f", 31},
    {"&HFF個", 255},
    {"&H", 0},
    {"&HG", 0},
    {"&O17", 15},
    {"&o8", 0},
    {"& H 1 0", 16},
    {"&X10", 0},
    {"-&H10", 0},
    // too large for 16 bits still reads; storing it is what overflows
    {"40000", 40000},
    {"1E5", 100000},
};

} // namespace

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    for (const Case& c : kCases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_DOUBLE_EQ(leadingNumber(text), c.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, MinusZeroIsZero) {
    const double v = leadingNumber(QStringLiteral("-0"));
    EXPECT_EQ(v, 0.0);
    EXPECT_FALSE(v < 0);
}

TEST(LeadingNumber, NumbersBeyondADoubleAreAnOverflow) {
    EXPECT_THROW(leadingNumber(QStringLiteral("1E999")), platform::OverflowError);
    EXPECT_THROW(leadingNumber(QStringLiteral("-1D400")), platform::OverflowError);
    EXPECT_THROW(leadingNumber(QString(400, QLatin1Char('9'))), platform::OverflowError);
    // A long run of zeros before the digits is small, not large.
    EXPECT_DOUBLE_EQ(
        leadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1")),
        0);
}

TEST(LeadingNumber, StoringAReadingRoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(kobu::i16::fromDouble(leadingNumber(QStringLiteral("2.5"))), 2);
    EXPECT_EQ(kobu::i16::fromDouble(leadingNumber(QStringLiteral("1.5"))), 2);
    EXPECT_EQ(kobu::i16::fromDouble(leadingNumber(QStringLiteral("0.4"))), 0);
    EXPECT_THROW(kobu::i16::fromDouble(leadingNumber(QStringLiteral("40000"))),
                 platform::OverflowError);
}
