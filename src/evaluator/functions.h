// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The functions a formula may call by name.

#include <string_view>

namespace quorvia {

struct FunctionEntry {
    std::string_view name;  // lower case
    // Throws EvaluationError for an argument outside the function's domain.
    long double (*apply)(long double x);
};

// The entry whose name is exactly `name`, or nullptr.
const FunctionEntry* findFunction(std::string_view name);

}  // namespace quorvia
