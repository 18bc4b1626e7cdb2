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

    // Replaces the names and parses the current formula again.
    void setVariables(const std::vector<std::string>& names);
    // The list itself: changing it binds nothing until the formula is set again.
    std::vector<std::string>& variables();

    // Value of the tree; values are read by position. Throws EvaluationError
    // on an arithmetic fault. Without a tree it returns 0.
    long double evaluate(const std::vector<long double>& values) const;

    struct Node;
private:
    struct Parser;
    std::string formula_;
    std::vector<std::string> variables_;
    std::unique_ptr<Node> root_;
    ErrorHandler onError_;
};

}  // namespace quorvia
