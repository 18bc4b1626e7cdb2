// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preparing a problem's formulas for the checks: the operator signs, the
// numbers, the expected results and, for the second formula, which operand
// stands for the first result.

#include "content/problem_file.h"
#include "content/scheme.h"
#include "evaluator/calc_express.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvia {

// A formula the windows cannot hold (more numbers than their tables, an R2
// that is not R1 and one number). what() is the message to show.
class FormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kMaxFormulaNumbers = 10;

// Entries of data_values a window holds: 0..9 in schemes 3 and 5, 1..10 in
// schemes 4a and 4b.
constexpr int kDataValueEntries = 10;

struct PreparedFormulas {
    std::string operator_sign;         // "+", "-", "X", ":" (or the previous one)
    std::string second_operator_sign;  // of R2, same rule
    // The numbers of R1 then the number of R2, from firstDataIndex(scheme).
    // Entries the formulas do not reach keep what the load started with.
    std::array<double, kMaxFormulaNumbers + 1> data_values{};
    int r1_count = 0;                  // numbers in R1
    double expected_result = 0;        // value of R1 (0 when it did not parse)
    double final_result = 0;           // value of R2 (schemes with R2)
    double second_number = 0;          // the number of R2, also in data_values
    int partial_on_right = 0;          // 0: R1 is the first operand of R2; 1: the second
    std::vector<std::string> r1_parts; // R1 taken apart, one number a line
    std::vector<std::string> r2_parts; // R2 taken apart, "R1" replaced by the result text
};

// A formula as the evaluator reads it: normalised like an answer, with the
// signs children write ("x", "X", ":") turned into "*" and "/".
std::string rewriteFormula(const std::string& written);

// A rewritten formula cut at every operator, one number a part, as the
// windows take it apart. As with a string list given text, a break at the
// very end opens no further part, while one at the start leaves an empty
// first part (which then fails to convert).
std::vector<std::string> takeFormulaApart(const std::string& formula);

// The part `index` of a formula taken apart, as the teacher wrote it: the
// letters in their own case, the spaces left out.
std::string writtenFormulaPart(const std::string& written, std::size_t index);

// What a window and quorvia-check say of a formula part that is no number:
// "«k» non è un numero: controlla la formula R1 del problema 3" (without the
// problem when `problem` is 0).
std::string notANumberMessage(const std::string& writtenPart, const std::string& key, int problem);

// Most numbers R1 may hold in a scheme: the data_values entries, less the one
// the number of R2 needs.
int maxR1Numbers(Scheme scheme);

// Prepares R1 (and R2 where the scheme has one) with the window's evaluator.
// `previous` supplies the operator signs kept when a formula has none and the
// data_values entries the formulas do not overwrite. Throws FormulaError
// for a formula the windows cannot hold or a part that is not a number
// (notANumberMessage), EvaluationError for an arithmetic fault (a number or
// result beyond the range of a double too); on a throw the caller keeps its
// previous state. A formula that does not parse is reported through the
// evaluator's handler and leaves its result at 0. `problem` only names the
// problem in a message (0: none).
PreparedFormulas prepareFormulas(TCalcExpress& evaluator, Scheme scheme,
                                 const std::string& r1, const std::string& r2,
                                 const PreparedFormulas& previous, int problem = 0);

// What a window's load does: in schemes 4a and 4b data_values 1..10 first
// take the problem's DATO<n>_VALORE (the formulas then overwrite the entries
// they reach); in schemes 3 and 5 they start from `previous`.
PreparedFormulas prepareProblemFormulas(TCalcExpress& evaluator, Scheme scheme,
                                        const ProblemContent& problem,
                                        const PreparedFormulas& previous);

}  // namespace quorvia
