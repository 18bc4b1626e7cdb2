// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a formula, with either decimal separator. Setting it must end
// in a tree or in one reported syntax error; evaluating the tree in a finite
// value or an EvaluationError (ConversionError for a number out of range).
// A value the windows carry must survive the general number format and
// back, since every comparison with the child's typing goes through it.

#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace quorvia;

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: [%s]\n", what, detail.c_str());
    std::abort();
}

// The names the windows bind, and a few a teacher might try.
const std::vector<std::string> kVariables = {"a", "b", "c", "r1", "x"};
const std::vector<long double> kValues = {12, -2.5L, 0, 1e300L, 3, 0, 0, 0, 0, 0, 0};

void checkFormatRoundTrip(long double value) {
    // The windows keep results as double.
    const long double magnitude = std::fabs(value);
    if (magnitude != 0 && (magnitude < DBL_MIN || magnitude > DBL_MAX)) return;
    const std::string text = formatGeneral(value);
    long double back = 0;
    if (!tryTextToFloat(text, back)) fail("formatted value does not read back", text);
    const long double tolerance = magnitude * 1e-14L;
    if (std::fabs(back - value) > tolerance) fail("formatted value reads back different", text);
}

void run(const std::string& formula, char separator) {
    setDecimalSeparator(separator);
    int reports = 0;
    TCalcExpress calc;
    calc.setErrorHandler([&reports](const std::string&) { ++reports; });
    calc.setVariables(kVariables);
    reports = 0;
    calc.setFormula(formula);
    if (calc.hasTree() == (reports == 1) || reports > 1) fail("tree and report disagree", formula);
    if (calc.hasTree() != calc.syntaxError().reason.empty()) fail("tree and reason disagree", formula);
    if (!calc.hasTree()) return;
    try {
        const long double value = calc.evaluate(kValues);
        if (!std::isfinite(value)) fail("value is no number", formula);
        checkFormatRoundTrip(value);
    } catch (const EvaluationError&) {
    } catch (const ConversionError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string formula(reinterpret_cast<const char*>(data), size);
    run(formula, '.');
    run(formula, ',');
    return 0;
}
