// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recursive descent over the tokenizer: one function per grammar rule.

#include "evaluator/expression_tree.h"
#include "evaluator/tokenizer.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// Deeper nesting than this is refused as a syntax error: each level costs a
// few stack frames while parsing and evaluating, and no problem a teacher
// writes comes near it.
constexpr int kMaxNesting = 1000;

struct TCalcExpress::Parser {
    Parser(std::string_view text, const std::vector<std::string>& variables);

    // The tree of the whole text. Throws SyntaxFault.
    std::unique_ptr<Node> parse();

private:
    using NodePtr = std::unique_ptr<Node>;

    NodePtr expression();
    NodePtr term();
    NodePtr factor();
    NodePtr leaf();

    Tokenizer tokens_;
    int depth_ = 0;    // open parentheses not yet closed
    int nesting_ = 0;  // expressions being read inside the outermost one
};

}  // namespace quorvia
