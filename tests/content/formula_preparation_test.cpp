// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/formula_preparation.h"

#include "content/ini_file.h"
#include "content/problem_file.h"
#include "evaluator/decimal_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvia {
namespace {

// A window's evaluator, with the comma as decimal separator as on an Italian
// system; the messages its handler would show are recorded.
class FormulaPreparationTest : public ::testing::Test {
protected:
    void SetUp() override {
        evaluator_.setErrorHandler([this](const std::string& m) { messages_.push_back(m); });
    }

    PreparedFormulas prepare(Scheme scheme, const std::string& r1, const std::string& r2 = "",
                             const PreparedFormulas& previous = {}) {
        return prepareFormulas(evaluator_, scheme, r1, r2, previous);
    }

    // The message of whatever prepare throws; "" when it does not throw.
    std::string failure(Scheme scheme, const std::string& r1, const std::string& r2 = "") {
        try {
            prepare(scheme, r1, r2);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    TCalcExpress evaluator_;
    std::vector<std::string> messages_;

private:
    ScopedDecimalSeparator comma_{','};
};

struct FirstFormulaRow {
    const char* name;
    const char* r1;
    const char* previous_sign;
    const char* sign;
    std::vector<double> numbers;
    const char* result;  // in the general number format
};

TEST_F(FormulaPreparationTest, FirstFormula) {
    const FirstFormulaRow rows[] = {
        {"multiplication_with_spaces", "12 x 3", "", "X", {12, 3}, "36"},
        {"small_x", "7x6", "", "X", {7, 6}, "42"},
        {"division", "24:4", "+", ":", {24, 4}, "6"},
        {"later_sign_test_wins", "3+4-2", "", "-", {3, 4, 2}, "5"},
        {"product_wins_over_difference", "6-2*3", "", "X", {6, 2, 3}, "0"},
        {"quotient_wins_over_everything", "8*2:4+1", "", ":", {8, 2, 4, 1}, "5"},
        {"decimal_comma", "2,5+1,25", "", "+", {2.5, 1.25}, "3,75"},
        {"fifteen_significant_digits", "10:3", "", ":", {10, 3}, "3,33333333333333"},
        {"single_number_keeps_previous_sign", "7", ":", ":", {7}, "7"},
        {"single_number_first_load", "7", "", "", {7}, "7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PreparedFormulas previous;
        previous.operator_sign = row.previous_sign;
        const PreparedFormulas f = prepare(Scheme::S3, row.r1, "", previous);
        EXPECT_EQ(f.operator_sign, row.sign);
        ASSERT_EQ(f.r1_count, static_cast<int>(row.numbers.size()));
        std::vector<std::string> names;
        for (std::size_t i = 0; i < row.numbers.size(); ++i) {
            EXPECT_EQ(f.data_values[i], row.numbers[i]) << "entry " << i;
            names.push_back(std::string(1, static_cast<char>('A' + i)));
        }
        EXPECT_EQ(evaluator_.variables(), names);
        EXPECT_EQ(formatGeneral(f.expected_result), row.result);
        EXPECT_TRUE(messages_.empty());
    }
}

TEST_F(FormulaPreparationTest, FormulaGoesToTheEvaluatorInItsSyntax) {
    const PreparedFormulas f = prepare(Scheme::S3, "12 x 3");
    EXPECT_EQ(evaluator_.formula(), "12*3");
    EXPECT_EQ(f.r1_parts, (std::vector<std::string>{"12", "3"}));
}

TEST_F(FormulaPreparationTest, UnreadableFormulaGivesZeroAfterTheEvaluatorReported) {
    for (const char* r1 : {"", "   ", "3+", "3x"}) {
        SCOPED_TRACE(r1);
        messages_.clear();
        PreparedFormulas previous;
        previous.expected_result = 12;
        const PreparedFormulas f = prepare(Scheme::S3, r1, "", previous);
        EXPECT_EQ(messages_, std::vector<std::string>{"Error in formula."});
        EXPECT_EQ(f.expected_result, 0.0);
    }
}

TEST_F(FormulaPreparationTest, EmptyFormulaHasNoNumbersAndKeepsTheSign) {
    PreparedFormulas previous;
    previous.operator_sign = "-";
    previous.data_values[0] = 4;
    const PreparedFormulas f = prepare(Scheme::S3, "", "", previous);
    EXPECT_EQ(f.r1_count, 0);
    EXPECT_EQ(f.operator_sign, "-");
    EXPECT_EQ(f.data_values[0], 4.0);
    EXPECT_EQ(f.expected_result, 0.0);
}

TEST_F(FormulaPreparationTest, EntriesTheFormulaDoesNotReachKeepThePreviousLoad) {
    PreparedFormulas previous;
    previous.data_values[1] = 99;
    const PreparedFormulas f = prepare(Scheme::S3, "7", "", previous);
    EXPECT_EQ(f.data_values[0], 7.0);
    EXPECT_EQ(f.data_values[1], 99.0);
}

struct ConversionRow {
    const char* name;
    const char* r1;
    const char* message;
};

TEST_F(FormulaPreparationTest, PartThatIsNotANumberStopsTheLoadInTheTeachersWords) {
    const ConversionRow rows[] = {
        {"leading_minus", "-3+4", "Manca un numero prima o dopo un segno: controlla la formula R1"},
        {"bracket", "(1+2)x3", "«(1» non è un numero: controlla la formula R1"},
        {"other_decimal_separator", "2.5x2", "«2.5» non è un numero: controlla la formula R1"},
        // Quoted as written: the letter's own case, without the spaces
        // around it; an "x" is a sign even beside a letter.
        {"letter", "3+a", "«a» non è un numero: controlla la formula R1"},
        {"letter_with_spaces", "12 x k", "«k» non è un numero: controlla la formula R1"},
        {"capital_letter_in_a_word", "12 : Kb + 3", "«Kb» non è un numero: controlla la formula R1"},
        {"doubled_operator", "3++4", "Manca un numero prima o dopo un segno: controlla la formula R1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(failure(Scheme::S3, row.r1), row.message);
    }
}

TEST_F(FormulaPreparationTest, AProblemsFormulaNamesTheProblem) {
    const IniFile file = IniFile::parse("[PROBLEMA_3]\nR1=12 + k\n[PROBLEMA_4]\nR1=2x3\nR2=R1 x Z\n");
    const struct {
        int problem;
        Scheme scheme;
        const char* message;
    } rows[] = {
        {3, Scheme::S3, "«k» non è un numero: controlla la formula R1 del problema 3"},
        {4, Scheme::S5, "«Z» non è un numero: controlla la formula R2 del problema 4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.problem);
        try {
            prepareProblemFormulas(evaluator_, row.scheme, readProblem(file, row.problem, row.scheme), {});
            ADD_FAILURE() << "no error";
        } catch (const FormulaError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST_F(FormulaPreparationTest, ArithmeticFaultReachesTheCaller) {
    EXPECT_THROW(prepare(Scheme::S3, "5:0"), EvaluationError);
}

struct OverflowRow {
    const char* name;
    Scheme scheme;
    const char* r1;
    const char* r2;
    long double first_datum;  // DATO1_VALORE
};

// The windows hold numbers and results as double: one beyond its range is
// an overflow, not an infinity for the child to match.
TEST_F(FormulaPreparationTest, ValueBeyondTheWindowsNumbersIsAnOverflow) {
    const OverflowRow rows[] = {
        {"r1_number_spaces_removed", Scheme::S5, "96 0 81e308", "R1 - 7", 0},
        {"r1_result", Scheme::S3, "1e300 x 1e300", "", 0},
        {"r2_number", Scheme::S5, "2", "R1 x 1e309", 0},
        {"r2_result", Scheme::S4a, "2 + 2", "R1 x 1e308", 0},
        {"datum_value", Scheme::S4b, "2 + 2", "R1 x 2", 1e309L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProblemContent problem;
        problem.r1 = row.r1;
        problem.r2 = row.r2;
        problem.data_numbers[1] = row.first_datum;
        try {
            prepareProblemFormulas(evaluator_, row.scheme, problem, {});
            ADD_FAILURE() << "no error";
        } catch (const EvaluationError& e) {
            EXPECT_STREQ(e.what(), "Overflow");
        }
    }
}

struct SecondFormulaRow {
    const char* name;
    Scheme scheme;
    const char* r1;
    const char* r2;
    const char* second_sign;
    int partial_on_right;
    std::vector<std::string> variables;
    std::vector<double> data;  // from firstDataIndex: R1's numbers, then R2's
    std::vector<std::string> r2_parts;
    const char* partial;
    const char* final_result;
};

TEST_F(FormulaPreparationTest, SecondFormula) {
    const SecondFormulaRow rows[] = {
        {"scheme5_partial_left", Scheme::S5, "12+5", "R1x3", "X", 0,
         {"R1", "B"}, {12, 5, 3}, {"17", "3"}, "17", "51"},
        {"scheme5_partial_right", Scheme::S5, "12+5", "60-R1", "-", 1,
         {"A", "R1"}, {12, 5, 60}, {"60", "17"}, "17", "43"},
        {"scheme5_decimal_final", Scheme::S5, "12+6", "R1:4", ":", 0,
         {"R1", "B"}, {12, 6, 4}, {"18", "4"}, "18", "4,5"},
        {"scheme5_small_letters", Scheme::S5, "4x5", "r1 - 2", "-", 0,
         {"R1", "B"}, {4, 5, 2}, {"20", "2"}, "20", "18"},
        {"scheme4a_column_of_four", Scheme::S4a, "1+2+3+4", "R1x5", "X", 0,
         {"R1", "B"}, {1, 2, 3, 4, 5}, {"10", "5"}, "10", "50"},
        {"scheme4b_column_of_three", Scheme::S4b, "10+20+30", "100-R1", "-", 1,
         {"A", "R1"}, {10, 20, 30, 100}, {"100", "60"}, "60", "40"},
        // R2 reads the partial result as written, with 15 digits.
        {"partial_result_as_written", Scheme::S5, "10:3", "R1x3", "X", 0,
         {"R1", "B"}, {10, 3, 3}, {"3,33333333333333", "3"}, "3,33333333333333",
         "9,99999999999999"},
        {"negative_partial_result_right", Scheme::S5, "2-5", "50-R1", "-", 1,
         {"A", "R1"}, {2, 5, 50}, {"50", "-3"}, "-3", "53"},
        {"negative_partial_result_left", Scheme::S5, "2-5", "R1x2", "X", 0,
         {"R1", "B"}, {2, 5, 2}, {"-3", "2"}, "-3", "-6"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        messages_.clear();
        const PreparedFormulas f = prepare(row.scheme, row.r1, row.r2);
        EXPECT_EQ(f.second_operator_sign, row.second_sign);
        EXPECT_EQ(f.partial_on_right, row.partial_on_right);
        EXPECT_EQ(evaluator_.variables(), row.variables);
        const auto first = static_cast<std::size_t>(firstDataIndex(row.scheme));
        for (std::size_t i = 0; i < row.data.size(); ++i)
            EXPECT_EQ(f.data_values[first + i], row.data[i]) << "entry " << first + i;
        EXPECT_EQ(f.second_number, row.data.back());
        EXPECT_EQ(f.r2_parts, row.r2_parts);
        EXPECT_EQ(formatGeneral(f.expected_result), row.partial);
        EXPECT_EQ(formatGeneral(f.final_result), row.final_result);
        EXPECT_TRUE(messages_.empty());
    }
}

TEST_F(FormulaPreparationTest, UnreadablePartialResultStandsAsZero) {
    const PreparedFormulas f = prepare(Scheme::S5, "3+", "R1+4");
    EXPECT_EQ(messages_, std::vector<std::string>{"Error in formula."});
    EXPECT_EQ(f.expected_result, 0.0);
    EXPECT_EQ(f.final_result, 4.0);
    EXPECT_EQ(f.r2_parts, (std::vector<std::string>{"0", "4"}));
}

// In schemes 4a and 4b the problem's DATO<n>_VALORE fill the entries above
// the numbers of the two formulas.
TEST_F(FormulaPreparationTest, ProblemDataNumbersFillTheRestOfTheTable) {
    ProblemContent problem;
    for (std::size_t n = 1; n <= 10; ++n) problem.data_numbers[n] = 100.0L + n;
    problem.r1 = "1+2+3";
    problem.r2 = "R1x4";
    const PreparedFormulas f = prepareProblemFormulas(evaluator_, Scheme::S4a, problem, {});
    const std::vector<double> expected = {1, 2, 3, 4, 105, 106, 107, 108, 109, 110};
    for (std::size_t n = 1; n <= 10; ++n) EXPECT_EQ(f.data_values[n], expected[n - 1]) << n;

    PreparedFormulas previous;
    previous.data_values[3] = 77;
    problem.r1 = "1+2";
    const PreparedFormulas s5 = prepareProblemFormulas(evaluator_, Scheme::S5, problem, previous);
    EXPECT_EQ(s5.data_values[2], 4.0);
    EXPECT_EQ(s5.data_values[3], 77.0);  // scheme 5 does not read DATO<n>_VALORE
}

std::string numbersJoined(int count) {
    std::string formula = "1";
    for (int i = 1; i < count; ++i) formula += "+1";
    return formula;
}

TEST_F(FormulaPreparationTest, LargestFormulaEachSchemeHolds) {
    const PreparedFormulas s3 = prepare(Scheme::S3, numbersJoined(10));
    EXPECT_EQ(s3.r1_count, 10);
    EXPECT_EQ(s3.expected_result, 10.0);

    const PreparedFormulas s4a = prepare(Scheme::S4a, numbersJoined(9), "R1+7");
    EXPECT_EQ(s4a.data_values[9], 1.0);
    EXPECT_EQ(s4a.data_values[10], 7.0);
    EXPECT_EQ(s4a.final_result, 16.0);

    const PreparedFormulas s5 = prepare(Scheme::S5, numbersJoined(9), "R1+7");
    EXPECT_EQ(s5.data_values[9], 7.0);
}

struct RefusalRow {
    const char* name;
    Scheme scheme;
    std::string r1;
    std::string r2;
    std::string message;
};

TEST_F(FormulaPreparationTest, FormulasTheWindowsCannotHoldAreRefused) {
    const std::string eleven = numbersJoined(11);
    const std::string ten = numbersJoined(10);
    const std::string room = ", perché serve un posto anche per il numero di R2.";
    const RefusalRow rows[] = {
        {"scheme3_eleven_numbers", Scheme::S3, eleven, "",
         "La formula R1 \"" + eleven +
             "\" ha più di 10 numeri: lo schema ne contiene al massimo 10."},
        {"scheme4a_ten_numbers", Scheme::S4a, ten, "R1x2",
         "La formula R1 \"" + ten + "\" ha più di 9 numeri: lo schema ne contiene al massimo 9" +
             room},
        {"scheme4b_ten_numbers", Scheme::S4b, ten, "R1x2",
         "La formula R1 \"" + ten + "\" ha più di 9 numeri: lo schema ne contiene al massimo 9" +
             room},
        {"scheme5_ten_numbers", Scheme::S5, ten, "R1x2",
         "La formula R1 \"" + ten + "\" ha più di 9 numeri: lo schema ne contiene al massimo 9" +
             room},
        {"empty_r2", Scheme::S5, "2+3", "", "List index out of bounds (0)"},
        {"r2_only_r1", Scheme::S4a, "2+3", "R1", "List index out of bounds (1)"},
        {"r2_only_a_number", Scheme::S4b, "2+3", "5", "List index out of bounds (1)"},
        {"r2_trailing_operator", Scheme::S5, "2+3", "R1x", "List index out of bounds (1)"},
        {"r2_three_parts", Scheme::S5, "2+3", "R1 + 2 + 3",
         "La formula R2 \"R1 + 2 + 3\" ha più di due termini: lo schema ne contiene solo due, "
         "la parola R1 e un numero."},
        {"r2_without_r1", Scheme::S4a, "2+3", "5X3",
         "La formula R2 \"5X3\" non ha la parola R1 come uno dei suoi due termini."},
        {"r2_with_r1_inside_a_part", Scheme::S5, "2+3", "R12x3",
         "La formula R2 \"R12x3\" non ha la parola R1 come uno dei suoi due termini."},
        {"r2_r1_twice", Scheme::S5, "2+3", "R1+R1", "«R1» non è un numero: controlla la formula R2"},
        {"r2_leading_minus", Scheme::S5, "2+3", "-R1",
         "Manca un numero prima o dopo un segno: controlla la formula R2"},
        {"r2_other_separator", Scheme::S5, "2+3", "R1x2.5", "«2.5» non è un numero: controlla la formula R2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(failure(row.scheme, row.r1, row.r2), row.message);
    }
}

TEST_F(FormulaPreparationTest, EmptySecondFormulaIsFirstReportedByTheEvaluator) {
    EXPECT_THROW(prepare(Scheme::S4b, "2+3", ""), FormulaError);
    EXPECT_EQ(messages_, std::vector<std::string>{"Error in formula."});
}

TEST(MaxR1NumbersTest, RoomForTheNumberOfR2) {
    EXPECT_EQ(maxR1Numbers(Scheme::S3), 10);
    EXPECT_EQ(maxR1Numbers(Scheme::S4a), 9);
    EXPECT_EQ(maxR1Numbers(Scheme::S4b), 9);
    EXPECT_EQ(maxR1Numbers(Scheme::S5), 9);
}

}  // namespace
}  // namespace quorvia
