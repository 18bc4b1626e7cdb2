#pragma once
// Preparing a problem's formulas for the checks: the operator signs, the
// numbers, the expected results and, for the second formula, which operand
// stands for the first result.

#include "content/scheme.h"
#include "evaluator/calc_express.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvia {

// A formula the windows cannot hold (more numbers than their tables, an R2
// without the word R1). what() is the message shown to the child's teacher.
class FormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kMaxFormulaNumbers = 10;

struct PreparedFormulas {
    std::string operator_sign;         // "+", "-", "X", ":" (or the previous one)
    std::string second_operator_sign;  // of R2, same rule
    // The numbers of R1 then the number of R2, from firstDataIndex(scheme).
    std::array<double, kMaxFormulaNumbers + 1> data_values{};
    int r1_count = 0;                  // numbers in R1
    double expected_result = 0;        // value of R1 (0 when it did not parse)
    double final_result = 0;           // value of R2 (schemes with R2)
    int partial_on_right = 0;          // 0: R1 is the first operand of R2; 1: the second
    std::vector<std::string> r1_parts; // R1 taken apart, one number a line
    std::vector<std::string> r2_parts; // R2 taken apart, "R1" replaced by the result text
};

// Prepares R1 (and R2 where the scheme has one) with the window's evaluator.
// `previous` supplies the operator signs kept when a formula has none.
// Throws ConversionError for a part that is not a number, FormulaError for a
// formula the windows cannot hold, EvaluationError for an arithmetic fault.
// A formula that does not parse is reported through the evaluator's handler
// and leaves its result at 0.
PreparedFormulas prepareFormulas(TCalcExpress& evaluator, Scheme scheme,
                                 const std::string& r1, const std::string& r2,
                                 const PreparedFormulas& previous);

}  // namespace quorvia
