// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/expression_tree.h"

#include <vector>

namespace quorvia {

// A sum of thousands of terms is a left-deep chain thousands of nodes long;
// letting each node destroy its children would recurse once per node. The
// grandchildren are unlinked into a work list instead, so every node dies
// with at most leaf children. Trees of leaves only never allocate here.
TCalcExpress::Node::~Node() {
    std::vector<std::unique_ptr<Node>> pending;
    const auto unlinkInner = [&pending](std::unique_ptr<Node>& child) {
        if (child && (child->first || child->second)) pending.push_back(std::move(child));
    };
    unlinkInner(first);
    unlinkInner(second);
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        unlinkInner(node->first);
        unlinkInner(node->second);
    }
}

}  // namespace quorvia
