// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator against muparser on the same formulas: parse, then evaluate,
// as a window does at every problem load. The bundled problems' R1 and R2
// are prepared by the windows' own preparation; longer formulas show how
// both scale.

#include "content_bench.h"

#include "bench_table.h"
#include "content/formula_preparation.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "evaluator/calc_express.h"
#include "evaluator/decimal_number.h"

#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quorvia::bench {

namespace {

struct Formula {
    std::string ours;      // as the evaluator gets it, decimal comma
    std::string muparser;  // the same with the decimal point
};

std::string withDecimalPoint(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

Formula formula(const std::string& ours) { return Formula{ours, withDecimalPoint(ours)}; }

void addUnique(std::vector<Formula>& formulas, const std::string& text) {
    for (const Formula& f : formulas)
        if (f.ours == text) return;
    formulas.push_back(formula(text));
}

// Every problem of every mode that GENERALE.INI lists, with the scheme of its
// file: R1 as the windows hand it to the evaluator, then R2 with R1's result
// written in.
std::vector<Formula> bundledFormulas() {
    const std::string folder = QUORVIA_BUNDLED_RESOURCES;
    const IniFile general = IniFile::read(folder + "/GENERALE.INI");
    const Scheme schemes[] = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};
    TCalcExpress evaluator;
    std::vector<Formula> formulas;
    for (const char* mode : {"PRINCIPIANTE", "AVANZATO"}) {
        for (int n = 1; n <= 4; ++n) {
            const std::string name = general.readString(mode, "INI_FILE" + std::to_string(n), "");
            const int count = general.readInteger(mode, "MAX" + std::to_string(n), 0);
            const Scheme scheme = schemes[n - 1];
            const IniFile file = IniFile::read(folder + "/" + name);
            for (int problem = 1; problem <= count; ++problem) {
                const ProblemContent content = readProblem(file, problem, scheme);
                prepareFormulas(evaluator, Scheme::S3, content.r1, "", {});
                addUnique(formulas, evaluator.formula());
                if (hasSecondFormula(scheme)) {
                    prepareFormulas(evaluator, scheme, content.r1, content.r2, {});
                    addUnique(formulas, evaluator.formula());
                }
            }
        }
    }
    if (formulas.empty()) {
        std::fprintf(stderr, "no bundled formulas found in %s\n", folder.c_str());
        std::exit(1);
    }
    return formulas;
}

struct LongerFormula {
    const char* label;
    Formula formula;
};

std::vector<LongerFormula> longerFormulas() {
    const std::string brackets = "((12+3)*4-(5-2)/2)*((7-3)*(2+6))-100/8";
    const std::string functions = "sqrt(144)+abs(3-10)*2-exp(1)*ln(5)+sin(0,5)*cos(0,25)";
    const std::string decimals = "(2,5*4+(3,75-1,25)/0,5)*(12-(4+2)*1,5)^2-0,125^3";
    std::string sum = "1";
    for (int i = 2; i <= 20; ++i) sum += "+" + std::to_string(i);
    const std::string all =
        "(" + brackets + ")*0,5+(" + functions + ")-(" + decimals + ")/3+(" + sum + ")";
    return {
        {"sum of 20 numbers", formula(sum)},
        {"nested brackets", formula(brackets)},
        {"functions", formula(functions)},
        {"decimals and powers", formula(decimals)},
        {"all four together", formula(all)},
    };
}

const std::vector<long double> kArguments(11, 0.0L);

long double ours(TCalcExpress& evaluator, const std::string& text) {
    evaluator.setFormula(text);
    return evaluator.evaluate(kArguments);
}

double theirs(mu::Parser& parser, const std::string& text) {
    parser.SetExpr(text);
    return parser.Eval();
}

// Both must compute the same value, or the comparison means nothing.
void checkSameValue(const Formula& f) {
    TCalcExpress evaluator;
    mu::Parser parser;
    const double a = static_cast<double>(ours(evaluator, f.ours));
    double b = 0;
    try {
        b = theirs(parser, f.muparser);
    } catch (const mu::Parser::exception_type& e) {
        std::fprintf(stderr, "muparser refuses %s: %s\n", f.muparser.c_str(), e.GetMsg().c_str());
        std::exit(1);
    }
    if (!evaluator.hasTree() || std::fabs(a - b) > 1e-9 * std::fmax(1.0, std::fabs(b))) {
        std::fprintf(stderr, "values differ for %s: %.17g against %.17g\n", f.ours.c_str(), a, b);
        std::exit(1);
    }
}

void addPair(const std::string& row, const std::vector<Formula>& formulas) {
    for (const Formula& f : formulas) checkSameValue(f);
    add(row + "/quorvia", [formulas](benchmark::State& state) {
        TCalcExpress evaluator;
        for (auto _ : state) {
            for (const Formula& f : formulas) benchmark::DoNotOptimize(ours(evaluator, f.ours));
        }
        state.counters["batch"] = static_cast<double>(formulas.size());
    });
    add(row + "/muparser", [formulas](benchmark::State& state) {
        mu::Parser parser;
        for (auto _ : state) {
            for (const Formula& f : formulas) benchmark::DoNotOptimize(theirs(parser, f.muparser));
        }
        state.counters["batch"] = static_cast<double>(formulas.size());
    });
}

}  // namespace

void addEvaluatorBenchmarks() {
    setDecimalSeparator(',');
    setTarget("parse+evaluate", Target{TargetKind::MaxRatio, 0.25});

    const std::vector<Formula> bundled = bundledFormulas();
    addPair("parse+evaluate: all " + std::to_string(bundled.size()) +
                " bundled formulas, mean",
            bundled);
    const Formula* shortest = &bundled.front();
    const Formula* longest = &bundled.front();
    for (const Formula& f : bundled) {
        if (f.ours.size() < shortest->ours.size()) shortest = &f;
        if (f.ours.size() > longest->ours.size()) longest = &f;
    }
    for (const Formula* f : {shortest, longest})
        addPair("parse+evaluate: `" + f->ours + "` (bundled)", {*f});
    for (const LongerFormula& f : longerFormulas()) {
        addPair("parse+evaluate: " + std::string(f.label) + " (" +
                    std::to_string(f.formula.ours.size()) + " characters)",
                {f.formula});
        // The table names the longer formulas; the texts go to the log.
        std::fprintf(stderr, "%s: %s\n", f.label, f.formula.ours.c_str());
    }
}

}  // namespace quorvia::bench
