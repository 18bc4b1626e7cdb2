// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a problem file, loaded the way every exercise window loads a
// problem: the window texts, the problem's section and its formulas. The
// faults the windows show the teacher (a part that is not a number, a
// formula the scheme cannot hold, an arithmetic fault) are answers; a crash,
// a hang or a prepared value that is no number is a bug.

#include "content/formula_preparation.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "evaluator/decimal_number.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorvia;

[[noreturn]] void fail(const char* what, const std::string& formula) {
    std::fprintf(stderr, "%s: [%s]\n", what, formula.c_str());
    std::abort();
}

// The problems the file has a section for (as far as a window can reach
// them), and problem 1, which every window loads first.
std::vector<int> problemsIn(const IniFile& file) {
    std::vector<int> problems{1};
    const std::string_view prefix = "PROBLEMA_";
    for (const std::string& name : file.sectionNames()) {
        if (name.size() <= prefix.size() || name.size() > prefix.size() + 2) continue;
        int number = 0;
        bool digits = true;
        for (std::size_t i = prefix.size(); i < name.size(); ++i) {
            digits = digits && name[i] >= '0' && name[i] <= '9';
            number = number * 10 + (name[i] - '0');
        }
        if (digits && number > 1 && number <= kMaxProblems) problems.push_back(number);
    }
    return problems;
}

void checkPrepared(const PreparedFormulas& f, Scheme scheme, const std::string& r1) {
    if (f.r1_count < 0 || f.r1_count > maxR1Numbers(scheme)) fail("R1 holds too many numbers", r1);
    if (f.r1_parts.size() != static_cast<std::size_t>(f.r1_count)) fail("parts and count differ", r1);
    if (!std::isfinite(f.expected_result) || !std::isfinite(f.final_result))
        fail("result is no number", r1);
    for (double value : f.data_values)
        if (!std::isfinite(value)) fail("datum is no number", r1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Problem files are written for the Italian locale.
    setDecimalSeparator(',');
    const IniFile file =
        IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    readProgramTexts(file);

    TCalcExpress evaluator;
    evaluator.setErrorHandler([](const std::string&) {});
    for (Scheme scheme : {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5}) {
        // A window keeps what the previous load left when a load fails.
        PreparedFormulas previous;
        for (int problem : problemsIn(file)) {
            const ProblemContent content = readProblem(file, problem, scheme);
            try {
                previous = prepareProblemFormulas(evaluator, scheme, content, previous);
                checkPrepared(previous, scheme, content.r1);
            } catch (const FormulaError&) {
            } catch (const ConversionError&) {
            } catch (const EvaluationError&) {
            }
        }
    }
    return 0;
}
