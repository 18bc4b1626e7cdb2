// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parsed form of a formula, shared by the parser and the evaluation.

#include "evaluator/calc_express.h"

#include <memory>
#include <string>

namespace quorvia {

enum class NodeKind { Add, Subtract, Multiply, Divide, Power, Negate, Number, Variable, Function };

struct FunctionEntry;

struct TCalcExpress::Node {
    explicit Node(NodeKind k) : kind(k) {}
    ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    NodeKind kind;
    // Number: its text as written, converted at each evaluation so that the
    // decimal separator in force then decides. The value is cached for the
    // separator it was converted with.
    std::string text;
    mutable long double cachedValue = 0;
    mutable char cachedSeparator = 0;  // 0: nothing cached
    int position = -1;                          // Variable: index into the values
    const FunctionEntry* function = nullptr;    // Function
    std::unique_ptr<Node> first;
    std::unique_ptr<Node> second;
};

inline bool isBinary(NodeKind kind) {
    return kind == NodeKind::Add || kind == NodeKind::Subtract || kind == NodeKind::Multiply ||
           kind == NodeKind::Divide || kind == NodeKind::Power;
}

// Value of a tree; see TCalcExpress::evaluate.
long double evaluateTree(const TCalcExpress::Node& root, const std::vector<long double>& values);

}  // namespace quorvia
