// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas as the windows hand them over: values, syntax errors and
// formulas that must mean the same. The comma is the decimal separator.

#include "evaluator_test_support.h"

#include <cmath>

namespace quorvia::test {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

struct ValueRow {
    const char* name;
    const char* formula;
    std::vector<std::string> variables;
    std::vector<long double> values;
    long double expected;
};

class FormulaValue : public ::testing::TestWithParam<ValueRow> {
protected:
    ScopedDecimalSeparator comma_{','};
    RecordingEvaluator evaluator_;
};

TEST_P(FormulaValue, EvaluatesToExpected) {
    const ValueRow& row = GetParam();
    evaluator_.calc.setVariables(row.variables);
    evaluator_.calc.setFormula(row.formula);
    ASSERT_TRUE(evaluator_.calc.hasTree()) << evaluator_.calc.syntaxError().reason;
    EXPECT_TRUE(evaluator_.messages.empty());
    EXPECT_TRUE(closeTo(evaluator_.calc.evaluate(elevenValues(row.values)), row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormulaValue,
    ::testing::Values(
        // The cases every reader of the grammar must get right.
        ValueRow{"ProductBeforeSum", "2+3*4", {}, {}, 14},
        ValueRow{"ParenthesesFirst", "(2+3)*4", {}, {}, 20},
        ValueRow{"PowersChainToTheLeft", "2^3^2", {}, {}, 64},
        ValueRow{"MinusBeforeDigitBelongsToNumber", "-2^2", {}, {}, 4},
        ValueRow{"MinusBeforeNameNegatesTerm", "-a^2", {"A"}, {3}, -9},
        ValueRow{"SignedNumberAfterOpen", "2*(-3)", {}, {}, -6},
        ValueRow{"CommaSeparator", "2,5*2", {}, {}, 5},
        ValueRow{"UpperCaseFunction", "SQRT(16)", {}, {}, 4},
        ValueRow{"VariablesByPosition", "a*b", {"A", "B"}, {3, 4}, 12},
        ValueRow{"HeavisideOfZero", "heaviside(0)", {}, {}, 1},
        ValueRow{"SignOfNegative", "sgn(-5)", {}, {}, -1},
        // Signs, spaces and left-to-right order.
        ValueRow{"LeadingPlus", "+3", {}, {}, 3},
        ValueRow{"MinusThenPlus", "-+3", {}, {}, -3},
        ValueRow{"LeadingMinusNegatesWholeProduct", "-a*b", {"a", "b"}, {2, 5}, -10},
        ValueRow{"NegatedParentheses", "-(2+3)", {}, {}, -5},
        ValueRow{"NegatedVariableInParentheses", "1-(-a)", {"a"}, {4}, 5},
        ValueRow{"SubtractionLeftToRight", "10-2-3", {}, {}, 5},
        ValueRow{"DivisionLeftToRight", "100/10/5", {}, {}, 2},
        ValueRow{"SpacesAnywhere", "  12 *  3 + 5 ", {}, {}, 41},
        ValueRow{"DivisionWithoutShortForm", "10/3", {}, {}, 10.0L / 3},
        ValueRow{"ExponentNotation", "1,5e1+1e+2+2e-1", {}, {}, 115.2L},
        ValueRow{"NegativeSignedNumberWithExponent", "(-1,5e2)", {}, {}, -150},
        // Variables: case, first match, names that are not listed.
        ValueRow{"VariableNamesIgnoreCase", "r1*b", {"R1", "B"}, {5, 3}, 15},
        ValueRow{"FirstMatchingNameWins", "a", {"A", "a"}, {1, 2}, 1},
        ValueRow{"UnlistedNameCountsZero", "z+1", {"A"}, {7}, 1},
        ValueRow{"LongNameWithDigitsAndUnderscore", "_x1_y*2", {"_X1_Y"}, {4}, 8},
        // Powers: integral exponents by squaring, others through ln.
        ValueRow{"ParenthesisedNegativeExponent", "2^(-1)", {}, {}, 0.5L},
        ValueRow{"VariableExponent", "2^a", {"a"}, {10}, 1024},
        ValueRow{"ParenthesisedVariableExponent", "2^(a)", {"a"}, {10}, 1024},
        ValueRow{"ZeroExponent", "0^0", {}, {}, 1},
        ValueRow{"ZeroBase", "0^3", {}, {}, 0},
        ValueRow{"NegativeBaseOddPower", "(-2)^3", {}, {}, -8},
        ValueRow{"NegativeBaseNegativePower", "(-2)^(-2)", {}, {}, 0.25L},
        ValueRow{"LargeIntegralPowerIsExact", "3^40", {}, {}, 12157665459056928801.0L},
        ValueRow{"FractionalExponent", "4^0,5", {}, {}, 2},
        ValueRow{"ExponentBeyondSquaringOfOne", "1^3000000000", {}, {}, 1},
        ValueRow{"OddHugeExponentOfMinusOne", "(-1)^3000000001", {}, {}, -1},
        ValueRow{"TinyResultOfHugeExponent", "0,5^3000000000", {}, {}, 0},
        ValueRow{"UnderflowIsZeroNotFault", "10^(-5000)", {}, {}, 0},
        // Functions.
        ValueRow{"Cosine", "cos(0)", {}, {}, 1},
        ValueRow{"Sine", "sin(a)", {"a"}, {kPi / 2}, 1},
        ValueRow{"Tangent", "tg(0)", {}, {}, 0},
        ValueRow{"Cotangent", "ctg(a)", {"a"}, {kPi / 4}, 1},
        ValueRow{"Absolute", "abs(-3)", {}, {}, 3},
        ValueRow{"SignLongName", "sign(7)", {}, {}, 1},
        ValueRow{"SignOfZero", "sgn(0)", {}, {}, 0},
        ValueRow{"NaturalLog", "ln(exp(2))", {}, {}, 2},
        ValueRow{"Arcsine", "arcsin(1)*2", {}, {}, kPi},
        ValueRow{"Arccosine", "arccos(-1)", {}, {}, kPi},
        ValueRow{"Arctangent", "arctg(1)*4", {}, {}, kPi},
        ValueRow{"ArctangentLongName", "arctan(0)", {}, {}, 0},
        ValueRow{"Arccotangent", "arcctg(0)*2", {}, {}, kPi},
        ValueRow{"HyperbolicCosine", "ch(0)+cosh(0)", {}, {}, 2},
        ValueRow{"HyperbolicSine", "sh(0)+sinh(0)", {}, {}, 0},
        ValueRow{"HyperbolicTangentOfHugeIsOne", "th(20000)+tanh(0)", {}, {}, 1},
        ValueRow{"HyperbolicCotangentOfHugeIsOne", "cth(20000)*coth(20000)", {}, {}, 1},
        ValueRow{"HeavisideOfNegative", "h(-0,5)", {}, {}, 0},
        ValueRow{"CosineBeyondRangeReduction", "cos(9223372036854775808)", {}, {}, 0},
        ValueRow{"SineBeyondRangeReduction", "sin(1e19)+sin(-1e19)", {}, {}, 0},
        ValueRow{"FunctionOfPower", "sqrt(3^2+4^2)^2", {}, {}, 25}),
    RowName{});

struct ErrorRow {
    const char* name;
    const char* formula;
    std::vector<std::string> variables;
    const char* reason;  // nullptr: any reason
};

class FormulaError : public ::testing::TestWithParam<ErrorRow> {
protected:
    ScopedDecimalSeparator comma_{','};
    RecordingEvaluator evaluator_;
};

TEST_P(FormulaError, IsReportedOnceAndLeavesNoTree) {
    const ErrorRow& row = GetParam();
    evaluator_.calc.setVariables(row.variables);
    evaluator_.calc.setFormula(row.formula);
    EXPECT_FALSE(evaluator_.calc.hasTree());
    EXPECT_EQ(evaluator_.messages, std::vector<std::string>{"Error in formula."});
    EXPECT_FALSE(evaluator_.calc.syntaxError().reason.empty());
    if (row.reason) {
        EXPECT_EQ(evaluator_.calc.syntaxError().reason, row.reason);
    }
    // The callers evaluate right after setting the formula: no fault, value 0.
    EXPECT_EQ(evaluator_.calc.evaluate(elevenValues()), 0.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FormulaError,
    ::testing::Values(
        ErrorRow{"Empty", "", {}, nullptr},
        ErrorRow{"SpacesOnly", "    ", {}, nullptr},
        ErrorRow{"MinusAfterOperator", "2*-3", {}, "Operand expected"},
        ErrorRow{"MissingClose", "(1+2", {}, "Unbalanced parentheses"},
        ErrorRow{"SurplusClose", "1+2)", {}, "Unbalanced parentheses"},
        ErrorRow{"SurplusCloseInside", "(1))+(2", {}, "Unbalanced parentheses"},
        ErrorRow{"ExponentWithoutDigits", "1e", {}, "Wrong number."},
        ErrorRow{"ExponentSignWithoutDigits", "1e+", {}, "Wrong number."},
        ErrorRow{"SeparatorWithoutDigits", "1,e", {}, "Wrong number."},
        ErrorRow{"TrailingSeparator", "1,+2", {}, "Wrong number."},
        ErrorRow{"FunctionNameShadowsVariable", "h*2", {"H"}, "\"(\" expected after a function name"},
        ErrorRow{"FunctionWithoutParentheses", "sqrt 16", {}, nullptr},
        ErrorRow{"FunctionNameAlone", "sqrt", {}, nullptr},
        ErrorRow{"ExpressionAsExponent", "2^(1+1)", {}, nullptr},
        ErrorRow{"MinusAsExponent", "2^-1", {}, "Exponent must be a number or a variable"},
        ErrorRow{"FunctionAsExponent", "2^sqrt(4)", {}, nullptr},
        ErrorRow{"UnclosedExponent", "2^(3", {}, nullptr},
        ErrorRow{"MissingExponent", "2^", {}, nullptr},
        ErrorRow{"TrailingOperator", "1+", {}, "Operand expected"},
        ErrorRow{"LeadingTimes", "*2", {}, "Operand expected"},
        ErrorRow{"DoubleTimes", "2**3", {}, nullptr},
        ErrorRow{"DoubleMinus", "1--2", {}, nullptr},
        ErrorRow{"TwoNumbers", "1 2", {}, "Operator expected"},
        ErrorRow{"NumberThenName", "2a", {"A"}, "Operator expected"},
        ErrorRow{"EmptyParentheses", "()", {}, nullptr},
        ErrorRow{"OtherDecimalSeparator", "1.5", {}, "Unexpected character"},
        ErrorRow{"TwoSeparators", "1,5,5", {}, nullptr},
        ErrorRow{"TabIsNotASpace", "1\t+2", {}, "Unexpected character"},
        ErrorRow{"AccentedLetter", "\xC3\xA8+1", {}, "Unexpected character"},
        ErrorRow{"ChildOperatorSign", "12x3", {}, nullptr},
        ErrorRow{"ColonForDivision", "24:4", {}, nullptr}),
    RowName{});

struct EquivalenceRow {
    const char* name;
    const char* formula;
    const char* same_as;
};

class FormulaEquivalence : public ::testing::TestWithParam<EquivalenceRow> {
protected:
    ScopedDecimalSeparator comma_{','};
};

TEST_P(FormulaEquivalence, HasTheSameValue) {
    const EquivalenceRow& row = GetParam();
    const std::vector<std::string> names{"a", "b", "c"};
    const auto values = elevenValues({0.7L, 0.3L, 2});
    RecordingEvaluator left;
    RecordingEvaluator right;
    left.calc.setVariables(names);
    right.calc.setVariables(names);
    left.calc.setFormula(row.formula);
    right.calc.setFormula(row.same_as);
    ASSERT_TRUE(left.calc.hasTree()) << left.calc.syntaxError().reason;
    ASSERT_TRUE(right.calc.hasTree()) << right.calc.syntaxError().reason;
    EXPECT_TRUE(closeTo(left.calc.evaluate(values), right.calc.evaluate(values)));
}

INSTANTIATE_TEST_SUITE_P(
    Equivalences, FormulaEquivalence,
    ::testing::Values(
        EquivalenceRow{"SignedNumberPower", "-2^2", "(-2)^2"},
        EquivalenceRow{"NegatedNamePower", "-a^2", "-(a^2)"},
        EquivalenceRow{"NegatedProduct", "-a*b", "-(a*b)"},
        EquivalenceRow{"PowerChain", "2^3^2", "(2^3)^2"},
        EquivalenceRow{"Precedence", "a+b*c", "a+(b*c)"},
        EquivalenceRow{"SubtractionChain", "a-b-c", "(a-b)-c"},
        EquivalenceRow{"DivisionChain", "a/b*c", "(a/b)*c"},
        EquivalenceRow{"LeadingPlus", "+a", "a"},
        EquivalenceRow{"ParenthesisedExponent", "c^(b)", "c^b"},
        EquivalenceRow{"NegativeExponent", "c^(-1)", "1/c"},
        EquivalenceRow{"FractionalPower", "c^0,5", "sqrt(c)"},
        EquivalenceRow{"Spaces", " a + b ", "a+b"},
        EquivalenceRow{"LetterCase", "SIN(A)+Cos(B)", "sin(a)+cos(b)"},
        EquivalenceRow{"SignNames", "sgn(b-a)", "sign(b-a)"},
        EquivalenceRow{"ArctangentNames", "arctg(a)", "arctan(a)"},
        EquivalenceRow{"HeavisideNames", "h(a)", "heaviside(a)"},
        EquivalenceRow{"Cotangent", "ctg(a)", "1/tg(a)"},
        EquivalenceRow{"Arccotangent", "arcctg(a)", "arctg(1)*2-arctg(a)"},
        EquivalenceRow{"Arcsine", "arcsin(b)", "arctg(b/sqrt(1-b^2))"},
        EquivalenceRow{"Arccosine", "arccos(b)", "arctg(1)*2-arcsin(b)"},
        EquivalenceRow{"HyperbolicSine", "sh(a)", "(exp(a)-exp(-a))/2"},
        EquivalenceRow{"HyperbolicCosine", "ch(a)", "(exp(a)+exp(-a))/2"},
        EquivalenceRow{"HyperbolicTangent", "th(a)", "(exp(a)-exp(-a))/(exp(a)+exp(-a))"},
        EquivalenceRow{"HyperbolicCotangent", "cth(a)", "(exp(a)+exp(-a))/(exp(a)-exp(-a))"},
        EquivalenceRow{"HyperbolicLongNames", "sinh(a)+cosh(a)+tanh(a)+coth(a)", "sh(a)+ch(a)+th(a)+cth(a)"},
        EquivalenceRow{"ExpOfLn", "exp(ln(c))", "c"}),
    RowName{});

class CalcExpress : public ::testing::Test {
protected:
    ScopedDecimalSeparator comma_{','};
    RecordingEvaluator evaluator_;
    TCalcExpress& calc_ = evaluator_.calc;
};

TEST_F(CalcExpress, StartsWithFormulaZeroAndNoVariables) {
    EXPECT_EQ(calc_.formula(), "0");
    EXPECT_TRUE(calc_.hasTree());
    EXPECT_TRUE(calc_.variables().empty());
    EXPECT_EQ(calc_.evaluate(elevenValues()), 0.0L);
}

TEST_F(CalcExpress, FormulaReadsBackInLowerCaseEvenWhenInError) {
    calc_.setFormula("SQRT(16)+A");
    EXPECT_EQ(calc_.formula(), "sqrt(16)+a");
    calc_.setFormula("(R1");
    EXPECT_EQ(calc_.formula(), "(r1");
}

TEST_F(CalcExpress, SettingVariablesParsesAgainAndBindsNames) {
    calc_.setFormula("r1*b");
    EXPECT_EQ(calc_.evaluate(elevenValues({5, 3})), 0.0L);  // neither name listed yet
    calc_.setVariables({"R1", "B"});
    EXPECT_EQ(calc_.evaluate(elevenValues({5, 3})), 15.0L);
}

TEST_F(CalcExpress, ChangingTheListBindsNothingUntilTheFormulaIsSetAgain) {
    calc_.setVariables({"A", "B"});
    calc_.setFormula("a-b");
    calc_.variables().clear();
    calc_.variables().push_back("B");
    calc_.variables().push_back("A");
    EXPECT_EQ(calc_.evaluate(elevenValues({10, 4})), 6.0L);
    calc_.setFormula("a-b");
    EXPECT_EQ(calc_.evaluate(elevenValues({10, 4})), -6.0L);
}

TEST_F(CalcExpress, VariablesBeyondTheValuesGivenCountZero) {
    calc_.setVariables({"A", "B"});
    calc_.setFormula("a+b+1");
    EXPECT_EQ(calc_.evaluate({7}), 8.0L);
    EXPECT_EQ(calc_.evaluate({}), 1.0L);
}

TEST_F(CalcExpress, EveryFailedParseIsReportedAgain) {
    calc_.setFormula("1+");
    calc_.setVariables({"A"});
    EXPECT_EQ(evaluator_.messages.size(), 2u);
    calc_.setFormula("1+1");
    EXPECT_TRUE(calc_.hasTree());
    EXPECT_TRUE(calc_.syntaxError().reason.empty());
    EXPECT_EQ(evaluator_.messages.size(), 2u);
}

TEST_F(CalcExpress, AFailedFormulaDropsThePreviousTree) {
    calc_.setFormula("2+2");
    calc_.setFormula("2+");
    EXPECT_FALSE(calc_.hasTree());
    EXPECT_EQ(calc_.evaluate(elevenValues()), 0.0L);
}

TEST_F(CalcExpress, WithoutHandlerAnErrorIsSilent) {
    TCalcExpress calc;
    calc.setFormula("(");
    EXPECT_FALSE(calc.hasTree());
    EXPECT_EQ(calc.syntaxError().reason, "Operand expected");
    EXPECT_EQ(calc.syntaxError().position, 2);
}

TEST_F(CalcExpress, SyntaxErrorTellsWhereReadingStopped) {
    calc_.setFormula("12+3,e4");
    EXPECT_EQ(calc_.syntaxError().reason, "Wrong number.");
    EXPECT_EQ(calc_.syntaxError().position, 6);
}

// Numbers keep their text and are read with the separator in force when the
// formula is evaluated, as the windows' own conversions are.
TEST_F(CalcExpress, NumbersFollowTheSeparatorAtEvaluation) {
    calc_.setFormula("2,5*2");
    EXPECT_EQ(calc_.evaluate(elevenValues()), 5.0L);
    {
        ScopedDecimalSeparator point('.');
        try {
            calc_.evaluate(elevenValues());
            FAIL() << "2,5 converted with '.' as separator";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "'2,5' is not a valid floating point value");
        }
    }
    EXPECT_EQ(calc_.evaluate(elevenValues()), 5.0L);
}

TEST_F(CalcExpress, IntegersDoNotDependOnTheSeparator) {
    calc_.setFormula("24/4");
    ScopedDecimalSeparator point('.');
    EXPECT_EQ(calc_.evaluate(elevenValues()), 6.0L);
}

TEST_F(CalcExpress, NumberOutOfRangeFailsAtEvaluation) {
    calc_.setFormula("1e5000-1");
    ASSERT_TRUE(calc_.hasTree());
    EXPECT_THROW(calc_.evaluate(elevenValues()), ConversionError);
}

TEST_F(CalcExpress, EvaluatesTheSameTreeForManyValueLists) {
    calc_.setVariables({"A", "B"});
    calc_.setFormula("a*b");
    EXPECT_EQ(calc_.evaluate(elevenValues({3, 4})), 12.0L);
    EXPECT_EQ(calc_.evaluate(elevenValues({2, 2.5L})), 5.0L);
    EXPECT_EQ(calc_.evaluate(elevenValues({3, 4})), 12.0L);
}

}  // namespace
}  // namespace quorvia::test
