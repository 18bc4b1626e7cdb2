// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/decimal_number.h"
#include "evaluator/expression_tree.h"
#include "evaluator/functions.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace quorvia {

namespace {

using Node = TCalcExpress::Node;
using Values = std::vector<long double>;

// Every node's result passes here, so a fault never travels on silently as
// an infinity or a NaN. The operands are already finite, so an infinity is
// an overflow of this very operation.
long double checked(long double result) {
    if (std::isnan(result)) throw EvaluationError("Invalid operation");
    if (std::isinf(result)) throw EvaluationError("Overflow");
    return result;
}

long double numberValue(const Node& node) {
    const char separator = decimalSeparator();
    if (node.cachedSeparator != separator) {
        node.cachedValue = textToFloat(node.text);
        node.cachedSeparator = separator;
    }
    return node.cachedValue;
}

// A name missing from the variable list, or a position beyond the values
// given, counts as 0: the callers list every name they use and always pass
// the full table, so this only makes stray input harmless.
long double variableValue(const Node& node, const Values& values) {
    if (node.position < 0 || static_cast<std::size_t>(node.position) >= values.size()) return 0.0L;
    return checked(values[static_cast<std::size_t>(node.position)]);
}

// Repeated squaring: exact for integers as long as the result fits.
long double integerPower(long double base, std::uint32_t exponent) {
    long double result = 1.0L;
    for (;;) {
        if (exponent & 1u) result *= base;
        exponent >>= 1;
        if (exponent == 0) return result;
        base *= base;
    }
}

constexpr long double kLargestIntegerExponent = 2147483647.0L;

long double power(long double base, long double exponent) {
    if (exponent == 0) return 1.0L;
    if (base == 0) {
        if (exponent > 0) return 0.0L;
        throw EvaluationError("Division by zero");
    }
    const bool integral = std::trunc(exponent) == exponent;
    if (integral && std::fabs(exponent) <= kLargestIntegerExponent) {
        const long double magnitude = integerPower(base, static_cast<std::uint32_t>(std::fabs(exponent)));
        if (exponent > 0) return checked(magnitude);
        // The power overflowed but its reciprocal is merely tiny (2^-16000):
        // the library's pow gets that right without the detour.
        if (std::isinf(magnitude)) return checked(std::pow(base, exponent));
        return checked(1.0L / magnitude);
    }
    if (base < 0 && !integral) throw EvaluationError("Fractional power of a negative number");
    // e^(exponent * ln |base|), with the sign of an odd power of a negative
    // base (only integral exponents beyond the repeated squaring get here).
    long double result = std::exp(exponent * std::log(std::fabs(base)));
    if (base < 0 && std::fmod(exponent, 2.0L) != 0) result = -result;
    return checked(result);
}

long double evaluateNode(const Node& node, const Values& values);

long double applyBinary(NodeKind kind, long double first, long double second) {
    switch (kind) {
    case NodeKind::Add: return checked(first + second);
    case NodeKind::Subtract: return checked(first - second);
    case NodeKind::Multiply: return checked(first * second);
    case NodeKind::Divide:
        if (second == 0) throw EvaluationError("Division by zero");
        return checked(first / second);
    default: return power(first, second);
    }
}

// Sums, products and power chains are left-deep: a sum of n terms is a
// chain of n-1 nodes down the first operands. The chain is walked with a
// list of its nodes instead of one call per node, so its length never costs
// stack; calls nest only for parentheses and functions, which the parser
// limits. The first operand is still evaluated before the second.
long double evaluateChain(const Node& top, const Values& values) {
    std::size_t length = 0;
    const Node* bottom = &top;
    for (; isBinary(bottom->kind); bottom = bottom->first.get()) ++length;

    constexpr std::size_t kLocalChain = 8;  // chains in real formulas are short
    const Node* local[kLocalChain];
    std::vector<const Node*> heap;
    const Node** chain = local;
    if (length > kLocalChain) {
        heap.resize(length);
        chain = heap.data();
    }
    std::size_t i = 0;
    for (const Node* n = &top; n != bottom; n = n->first.get()) chain[i++] = n;

    long double result = evaluateNode(*bottom, values);
    while (i > 0) {
        const Node& n = *chain[--i];
        result = applyBinary(n.kind, result, evaluateNode(*n.second, values));
    }
    return result;
}

long double evaluateNode(const Node& node, const Values& values) {
    switch (node.kind) {
    case NodeKind::Number: return numberValue(node);
    case NodeKind::Variable: return variableValue(node, values);
    case NodeKind::Negate: return -evaluateNode(*node.first, values);
    case NodeKind::Function: return checked(node.function->apply(evaluateNode(*node.first, values)));
    default: return evaluateChain(node, values);
    }
}

}  // namespace

long double evaluateTree(const Node& root, const Values& values) {
    return evaluateNode(root, values);
}

}  // namespace quorvia
