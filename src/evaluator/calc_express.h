// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcExpress: parses an arithmetic formula into a tree once, then evaluates
// the tree for lists of variable values.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvia {

// An arithmetic fault during evaluation (division by zero, ln of 0, ...).
class EvaluationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCalcExpress {
public:
    // Called with "Error in formula." when a formula fails to parse; the
    // window layer shows it in a message box. The evaluator shows nothing.
    using ErrorHandler = std::function<void(const std::string& message)>;

    TCalcExpress();  // formula "0", no variables
    ~TCalcExpress();
    TCalcExpress(const TCalcExpress&) = delete;
    TCalcExpress& operator=(const TCalcExpress&) = delete;

    void setErrorHandler(ErrorHandler handler);

    // Stores the text in lower case and parses it at once.
    void setFormula(const std::string& text);
    const std::string& formula() const;
    // True when the last formula parsed into a tree.
    bool hasTree() const;

    // Why the last formula did not parse, for diagnostics and tests; the
    // user only ever sees "Error in formula.". Empty reason when it parsed.
    struct SyntaxError {
        std::string reason;  // "Wrong number.", "Operand expected", ...
        int position = 0;    // 1-based place in the formula where reading stopped
    };
    const SyntaxError& syntaxError() const;

    // Replaces the names and parses the current formula again.
    void setVariables(const std::vector<std::string>& names);
    // The list itself: changing it binds nothing until the formula is set again.
    std::vector<std::string>& variables();

    // Value of the tree; values are read by position. Throws EvaluationError
    // on an arithmetic fault. Without a tree it returns 0. A variable not in
    // the list, or beyond the values given, counts as 0. Numbers are read
    // with the decimal separator in force now, so a number that no longer
    // converts (or is out of range) throws ConversionError.
    long double evaluate(const std::vector<long double>& values) const;

    struct Node;
private:
    struct Parser;
    void parse();

    std::string formula_;
    std::vector<std::string> variables_;
    std::unique_ptr<Node> root_;
    SyntaxError syntaxError_;
    ErrorHandler onError_;
};

}  // namespace quorvia
