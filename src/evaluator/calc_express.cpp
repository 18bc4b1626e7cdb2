// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/calc_express.h"

#include "evaluator/expression_parser.h"
#include "evaluator/expression_tree.h"

namespace quorvia {

namespace {

const char* const kFormulaError = "Error in formula.";

std::string toLowerAscii(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace

TCalcExpress::TCalcExpress() : formula_("0") { parse(); }

TCalcExpress::~TCalcExpress() = default;

void TCalcExpress::setErrorHandler(ErrorHandler handler) { onError_ = std::move(handler); }

void TCalcExpress::setFormula(const std::string& text) {
    formula_ = toLowerAscii(text);
    parse();
}

const std::string& TCalcExpress::formula() const { return formula_; }

bool TCalcExpress::hasTree() const { return root_ != nullptr; }

const TCalcExpress::SyntaxError& TCalcExpress::syntaxError() const { return syntaxError_; }

void TCalcExpress::setVariables(const std::vector<std::string>& names) {
    variables_ = names;
    parse();
}

std::vector<std::string>& TCalcExpress::variables() { return variables_; }

long double TCalcExpress::evaluate(const std::vector<long double>& values) const {
    // The failed formula was reported when it was set; its callers still
    // evaluate right after, and 0 is what they keep.
    if (!root_) return 0.0L;
    return evaluateTree(*root_, values);
}

void TCalcExpress::parse() {
    root_.reset();
    syntaxError_ = SyntaxError{};
    try {
        root_ = Parser(formula_, variables_).parse();
    } catch (const SyntaxFault& fault) {
        syntaxError_ = SyntaxError{fault.reason, fault.position};
        if (onError_) onError_(kFormulaError);
    }
}

}  // namespace quorvia
