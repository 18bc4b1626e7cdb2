// SPDX-License-Identifier: GPL-3.0-or-later
// The general number format decides whether a child's typed number is right
// (texts are compared), so every character of it matters.

#include "evaluator_test_support.h"

#include <limits>

namespace quorvia::test {
namespace {

struct FormatRow {
    const char* name;
    long double value;
    const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<FormatRow> {
protected:
    ScopedDecimalSeparator comma_{','};
};

TEST_P(GeneralFormat, WritesShortestTextWithFifteenDigits) {
    EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, GeneralFormat,
    ::testing::Values(
        FormatRow{"Integer", 36, "36"},
        FormatRow{"Zero", 0, "0"},
        FormatRow{"NegativeZero", -0.0L, "0"},
        FormatRow{"Half", 2.5L, "2,5"},
        FormatRow{"Negative", -2.5L, "-2,5"},
        FormatRow{"NegativeInteger", -40, "-40"},
        FormatRow{"ThirdOfTen", 10.0L / 3, "3,33333333333333"},
        FormatRow{"ThirdOfTenInDouble", static_cast<long double>(10.0 / 3), "3,33333333333333"},
        FormatRow{"OneThird", 1.0L / 3, "0,333333333333333"},
        FormatRow{"TwoThirdsRoundsUp", 2.0L / 3, "0,666666666666667"},
        FormatRow{"SumOfTenthsInDouble", static_cast<long double>(0.1 + 0.2), "0,3"},
        FormatRow{"SumOfTenths", 0.1L + 0.2L, "0,3"},
        FormatRow{"ProductInDouble", static_cast<long double>(1.1 * 3), "3,3"},
        FormatRow{"RoundsUpToNextPowerOfTen", 9.9999999999999999L, "10"},
        FormatRow{"FifteenIntegerDigits", 999999999999999.0L, "999999999999999"},
        FormatRow{"RoundsToSixteenIntegerDigits", 999999999999999.9L, "1E15"},
        FormatRow{"SixteenIntegerDigits", 1e15L, "1E15"},
        FormatRow{"ManyDigitsRounded", 123456789012345678.0L, "1,23456789012346E17"},
        FormatRow{"Large", 1e20L, "1E20"},
        FormatRow{"LargeNegative", -2.5e30L, "-2,5E30"},
        FormatRow{"BeyondDouble", 1e4000L, "1E4000"},
        FormatRow{"SmallestFixed", 0.00001L, "0,00001"},
        FormatRow{"SmallFixed", 0.0001234L, "0,0001234"},
        FormatRow{"FirstScientificBelowOne", 0.000001L, "1E-6"},
        FormatRow{"SmallScientific", 1.5e-7L, "1,5E-7"},
        FormatRow{"SmallNegativeScientific", -1.5e-7L, "-1,5E-7"},
        FormatRow{"VerySmall", 1e-300L, "1E-300"},
        FormatRow{"FixedWithFraction", 1234.5L, "1234,5"},
        FormatRow{"TrailingZerosOfIntegerKept", 1200, "1200"},
        FormatRow{"NotANumber", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
        FormatRow{"Infinity", std::numeric_limits<long double>::infinity(), "INF"},
        FormatRow{"NegativeInfinity", -std::numeric_limits<long double>::infinity(), "-INF"}),
    RowName{});

TEST(GeneralFormatSeparator, UsesTheSeparatorInForce) {
    {
        ScopedDecimalSeparator point('.');
        EXPECT_EQ(formatGeneral(2.5L), "2.5");
        EXPECT_EQ(formatGeneral(1.5e-7L), "1.5E-7");
    }
    ScopedDecimalSeparator comma(',');
    EXPECT_EQ(formatGeneral(2.5L), "2,5");
}

// A written result read back (the worksheet and the checks do) is the same
// number to 15 digits.
TEST(GeneralFormatSeparator, ReadsBackAsTheSameText) {
    ScopedDecimalSeparator comma(',');
    for (long double value : {10.0L / 3, -2.5e30L, 1.5e-7L, 0.00001L, 123456.789L, 1e4000L}) {
        const std::string text = formatGeneral(value);
        EXPECT_EQ(formatGeneral(textToFloat(text)), text);
    }
}

}  // namespace
}  // namespace quorvia::test
