// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/expression_parser.h"

#include "evaluator/decimal_number.h"

namespace quorvia {

namespace {

std::unique_ptr<TCalcExpress::Node> join(NodeKind kind, std::unique_ptr<TCalcExpress::Node> first,
                                         std::unique_ptr<TCalcExpress::Node> second = nullptr) {
    auto node = std::make_unique<TCalcExpress::Node>(kind);
    node->first = std::move(first);
    node->second = std::move(second);
    return node;
}

}  // namespace

TCalcExpress::Parser::Parser(std::string_view text, const std::vector<std::string>& variables)
    : tokens_(text, decimalSeparator(), variables) {}

std::unique_ptr<TCalcExpress::Node> TCalcExpress::Parser::parse() {
    NodePtr root = expression();
    // The outer expression stops at the end or at a surplus ")"; a missing
    // ")" leaves the depth above 0, a surplus one below.
    if (depth_ != 0 || tokens_.current() != TokenKind::End) tokens_.fail("Unbalanced parentheses");
    return root;
}

// <expression> = <term> {("+" | "-") <term>}
// Stops at the end of the text or at the ")" that closes it.
std::unique_ptr<TCalcExpress::Node> TCalcExpress::Parser::expression() {
    if (nesting_++ > kMaxNesting) tokens_.fail("Formula nested too deeply");
    NodePtr left = term();
    while (tokens_.current() != TokenKind::End && tokens_.current() != TokenKind::Close) {
        NodeKind kind;
        if (tokens_.current() == TokenKind::Plus) {
            kind = NodeKind::Add;
        } else if (tokens_.current() == TokenKind::Minus) {
            kind = NodeKind::Subtract;
        } else {
            tokens_.fail("Operator expected");
        }
        NodePtr right = term();
        left = join(kind, std::move(left), std::move(right));
    }
    if (tokens_.current() == TokenKind::Close) --depth_;
    --nesting_;
    return left;
}

// <term> = [<sign>] <factor> {("*" | "/") <factor>}
// <sign> = ["-"] ["+"], only at the start of the formula or right after "(";
// the "-" negates the whole product, so -a^2 is -(a^2).
std::unique_ptr<TCalcExpress::Node> TCalcExpress::Parser::term() {
    tokens_.next();
    bool negate = false;
    if (tokens_.previous() == TokenKind::None || tokens_.previous() == TokenKind::Open) {
        if (tokens_.current() == TokenKind::Minus) {
            negate = true;
            tokens_.next();
        }
        if (tokens_.current() == TokenKind::Plus) tokens_.next();
    }
    NodePtr left = factor();
    while (tokens_.current() == TokenKind::Times || tokens_.current() == TokenKind::Divide) {
        const NodeKind kind = tokens_.current() == TokenKind::Times ? NodeKind::Multiply : NodeKind::Divide;
        tokens_.next();
        NodePtr right = factor();
        left = join(kind, std::move(left), std::move(right));
    }
    return negate ? join(NodeKind::Negate, std::move(left)) : std::move(left);
}

// <factor> = <base> {"^" <exponent>}
// <base> = "(" <expression> ")" | <number> | <variable> | <function> "(" <expression> ")"
// <exponent> = <number> | <variable> | "(" (<number> | <variable>) ")"
// Powers chain to the left: 2^3^2 is (2^3)^2.
std::unique_ptr<TCalcExpress::Node> TCalcExpress::Parser::factor() {
    NodePtr node;
    switch (tokens_.current()) {
    case TokenKind::Open:
        ++depth_;
        node = expression();
        break;
    case TokenKind::Number:
    case TokenKind::Variable:
        node = leaf();
        break;
    case TokenKind::Function: {
        const FunctionEntry* function = tokens_.function();
        tokens_.next();
        if (tokens_.current() != TokenKind::Open) tokens_.fail("\"(\" expected after a function name");
        ++depth_;
        node = join(NodeKind::Function, expression());
        node->function = function;
        break;
    }
    default:
        tokens_.fail("Operand expected");
    }
    tokens_.next();
    while (tokens_.current() == TokenKind::Power) {
        tokens_.next();
        const bool parenthesised = tokens_.current() == TokenKind::Open;
        if (parenthesised) tokens_.next();
        if (tokens_.current() != TokenKind::Number && tokens_.current() != TokenKind::Variable) {
            tokens_.fail("Exponent must be a number or a variable");
        }
        node = join(NodeKind::Power, std::move(node), leaf());
        if (parenthesised) {
            tokens_.next();
            if (tokens_.current() != TokenKind::Close) tokens_.fail("\")\" expected");
        }
        tokens_.next();
    }
    return node;
}

// The current number or variable token as a node.
std::unique_ptr<TCalcExpress::Node> TCalcExpress::Parser::leaf() {
    if (tokens_.current() == TokenKind::Variable) {
        auto node = std::make_unique<Node>(NodeKind::Variable);
        node->position = tokens_.variablePosition();
        return node;
    }
    auto node = std::make_unique<Node>(NodeKind::Number);
    node->text = tokens_.text();
    // The syntax is already checked; a number out of range stays uncached
    // and fails when the formula is evaluated.
    if (tryTextToFloat(node->text, node->cachedValue)) node->cachedSeparator = decimalSeparator();
    return node;
}

}  // namespace quorvia
