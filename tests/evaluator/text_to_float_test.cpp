// SPDX-License-Identifier: GPL-3.0-or-later
// Converting text to a number as the windows do: the separator in force,
// and the platform's message for a text that is not a number.

#include "evaluator_test_support.h"

namespace quorvia::test {
namespace {

struct AcceptedRow {
    const char* name;
    const char* text;
    long double value;
};

class TextToFloatAccepted : public ::testing::TestWithParam<AcceptedRow> {
protected:
    ScopedDecimalSeparator comma_{','};
};

// Exact comparison: the conversion rounds correctly, as the literal does.
TEST_P(TextToFloatAccepted, ConvertsToTheNearestValue) {
    EXPECT_EQ(textToFloat(GetParam().text), GetParam().value);
    long double value = -1;
    EXPECT_TRUE(tryTextToFloat(GetParam().text, value));
    EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, TextToFloatAccepted,
    ::testing::Values(
        AcceptedRow{"Integer", "12", 12},
        AcceptedRow{"Comma", "7,5", 7.5L},
        AcceptedRow{"SurroundingSpaces", "  7,5  ", 7.5L},
        AcceptedRow{"Negative", "-3", -3},
        AcceptedRow{"ExplicitPlus", "+3", 3},
        AcceptedRow{"NegativeZero", "-0", 0},
        AcceptedRow{"LeadingZeros", "007", 7},
        AcceptedRow{"SeparatorLast", "2,", 2},
        AcceptedRow{"SeparatorFirst", ",5", 0.5L},
        AcceptedRow{"Tenth", "0,1", 0.1L},
        AcceptedRow{"ZerosAfterSeparator", "0,00001", 0.00001L},
        AcceptedRow{"ZerosAfterSeparatorBeyondExactPowers", "0,0000000000000000000000000000012", 1.2e-30L},
        AcceptedRow{"FifteenDigits", "3,14159265358979", 3.14159265358979L},
        AcceptedRow{"SmallExponent", "1e3", 1e3L},
        AcceptedRow{"CapitalExponent", "1E3", 1e3L},
        AcceptedRow{"SignedExponent", "1,5e-2", 1.5e-2L},
        AcceptedRow{"PlusExponent", "1e+2", 100},
        AcceptedRow{"LargestExactPower", "1e27", 1e27L},
        AcceptedRow{"SmallestExactPower", "1e-27", 1e-27L},
        AcceptedRow{"LargeExponent", "2,5e300", 2.5e300L},
        AcceptedRow{"BeyondDoubleRange", "1e4000", 1e4000L},
        AcceptedRow{"ThirtyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0L},
        AcceptedRow{"LongFraction", "0,333333333333333333333333333333", 0.333333333333333333333333333333L},
        AcceptedRow{"ZeroWithHugeExponent", "0e99999999", 0}),
    RowName{});

struct RefusedRow {
    const char* name;
    const char* text;
};

class TextToFloatRefused : public ::testing::TestWithParam<RefusedRow> {
protected:
    ScopedDecimalSeparator comma_{','};
};

TEST_P(TextToFloatRefused, ThrowsWithThePlatformMessage) {
    const std::string text = GetParam().text;
    try {
        textToFloat(text);
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
    long double value = 42;
    EXPECT_FALSE(tryTextToFloat(text, value));
    EXPECT_EQ(value, 42.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, TextToFloatRefused,
    ::testing::Values(
        RefusedRow{"Empty", ""},
        RefusedRow{"SpacesOnly", "   "},
        RefusedRow{"OtherSeparator", "7.5"},
        RefusedRow{"TwoSeparators", "1,2,3"},
        RefusedRow{"SeparatorOnly", ","},
        RefusedRow{"SignOnly", "-"},
        RefusedRow{"TwoSigns", "+-1"},
        RefusedRow{"ExponentWithoutDigits", "1e"},
        RefusedRow{"ExponentSignWithoutDigits", "1e+"},
        RefusedRow{"ExponentWithoutMantissa", "e5"},
        RefusedRow{"SpaceInside", "1 2"},
        RefusedRow{"SpaceBeforeExponent", "1,5 e3"},
        RefusedRow{"Letters", "abc"},
        RefusedRow{"TrailingLetter", "1,5x"},
        RefusedRow{"Bracket", "(3"},
        RefusedRow{"Hexadecimal", "0x10"},
        RefusedRow{"Infinity", "inf"},
        RefusedRow{"NotANumber", "nan"},
        RefusedRow{"DigitGroups", "1.000,5"},
        RefusedRow{"TooLarge", "1e5000"},
        RefusedRow{"TooLargeNegative", "-1e5000"},
        RefusedRow{"TooSmall", "1e-5000"},
        RefusedRow{"OperatorLeftInPart", "12*3"}),
    RowName{});

TEST(TextToFloatSeparator, FollowsTheSeparatorInForce) {
    ScopedDecimalSeparator point('.');
    EXPECT_EQ(textToFloat("7.5"), 7.5L);
    EXPECT_THROW(textToFloat("7,5"), ConversionError);
}

TEST(TextToFloatMessage, QuotesTheTextAsGiven) {
    ScopedDecimalSeparator comma(',');
    EXPECT_STREQ(ConversionError(" 7.5 ").what(), "' 7.5 ' is not a valid floating point value");
    EXPECT_STREQ(ConversionError("").what(), "'' is not a valid floating point value");
}

}  // namespace
}  // namespace quorvia::test
