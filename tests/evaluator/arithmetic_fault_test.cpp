// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic faults surface from evaluate() as EvaluationError with a clear
// message, never as an infinity or a NaN handed back to the caller.

#include "evaluator_test_support.h"

#include <limits>

namespace quorvia::test {
namespace {

struct FaultRow {
    const char* name;
    const char* formula;
    std::vector<long double> values;  // for the variables a and b
    const char* message;
};

class ArithmeticFault : public ::testing::TestWithParam<FaultRow> {
protected:
    ScopedDecimalSeparator comma_{','};
    RecordingEvaluator evaluator_;
};

TEST_P(ArithmeticFault, IsRaisedByEvaluate) {
    const FaultRow& row = GetParam();
    evaluator_.calc.setVariables({"a", "b"});
    evaluator_.calc.setFormula(row.formula);
    ASSERT_TRUE(evaluator_.calc.hasTree()) << evaluator_.calc.syntaxError().reason;
    try {
        const long double value = evaluator_.calc.evaluate(elevenValues(row.values));
        FAIL() << "no fault, value " << static_cast<double>(value);
    } catch (const EvaluationError& error) {
        EXPECT_STREQ(error.what(), row.message);
    }
    EXPECT_TRUE(evaluator_.messages.empty());  // a fault is not a syntax error
}

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Faults, ArithmeticFault,
    ::testing::Values(
        FaultRow{"DivisionByZero", "1/0", {}, "Division by zero"},
        FaultRow{"ZeroByZero", "0/0", {}, "Division by zero"},
        FaultRow{"DivisionByZeroVariable", "a/(b-b)", {1, 2}, "Division by zero"},
        FaultRow{"ZeroToNegativePower", "0^(-1)", {}, "Division by zero"},
        FaultRow{"ZeroToNegativeFractionalPower", "0^(-0,5)", {}, "Division by zero"},
        FaultRow{"CotangentOfZero", "ctg(0)", {}, "Division by zero"},
        FaultRow{"HyperbolicCotangentOfZero", "cth(0)", {}, "Division by zero"},
        FaultRow{"LogarithmOfZero", "ln(0)", {}, "Logarithm of zero"},
        FaultRow{"LogarithmOfNegative", "ln(-1)", {}, "Logarithm of a negative number"},
        FaultRow{"SquareRootOfNegative", "sqrt(-1)", {}, "Square root of a negative number"},
        FaultRow{"ArcsineAboveOne", "arcsin(2)", {}, "Arcsine outside -1..1"},
        FaultRow{"ArcsineBelowMinusOne", "arcsin(a)", {-1.0000001L}, "Arcsine outside -1..1"},
        FaultRow{"ArccosineOutside", "arccos(-1,5)", {}, "Arccosine outside -1..1"},
        FaultRow{"FractionalPowerOfNegative", "(-8)^0,5", {}, "Fractional power of a negative number"},
        FaultRow{"IntegralPowerOverflow", "10^5000", {}, "Overflow"},
        FaultRow{"NegativePowerOfSmallOverflows", "0,1^(-5000)", {}, "Overflow"},
        FaultRow{"HugeExponentOverflow", "2^3000000000", {}, "Overflow"},
        FaultRow{"HugeOddExponentOfNegativeOverflow", "(-2)^3000000001", {}, "Overflow"},
        FaultRow{"FractionalPowerOverflow", "10^4932,5", {}, "Overflow"},
        FaultRow{"ProductOverflow", "1e4000*1e4000", {}, "Overflow"},
        FaultRow{"SumOverflow", "a+a", {std::numeric_limits<long double>::max()}, "Overflow"},
        FaultRow{"ExponentialOverflow", "exp(12000)", {}, "Overflow"},
        FaultRow{"HyperbolicSineOverflow", "sh(20000)", {}, "Overflow"},
        FaultRow{"InfiniteValueGiven", "a*2", {kInfinity}, "Overflow"},
        FaultRow{"NaNValueGiven", "a+1", {kNaN}, "Invalid operation"},
        FaultRow{"FaultInsideParentheses", "2+(3*(1/(a-1)))", {1}, "Division by zero"},
        FaultRow{"FaultInLongSum", "1+1+1+1+1+1+1+1+1+1+1+1/0", {}, "Division by zero"}),
    RowName{});

TEST(ArithmeticFaultOrder, FirstOperandIsEvaluatedFirst) {
    ScopedDecimalSeparator comma(',');
    TCalcExpress calc;
    calc.setFormula("ln(0)+1/0");
    try {
        calc.evaluate(elevenValues());
        FAIL() << "no fault";
    } catch (const EvaluationError& error) {
        EXPECT_STREQ(error.what(), "Logarithm of zero");
    }
}

// 2^16400 overflows the extended range but 2^-16400 (about 1e-4937) is
// still held: the reciprocal of an overflowed power must not become 0.
TEST(ArithmeticFaultOrder, TinyReciprocalOfOverflowingPowerIsKept) {
    TCalcExpress calc;
    calc.setFormula("2^(-16400)*1e4000*1e937");
    const long double value = calc.evaluate(elevenValues());
    EXPECT_GT(value, 1.0L);
    EXPECT_LT(value, 2.0L);
}

}  // namespace
}  // namespace quorvia::test
