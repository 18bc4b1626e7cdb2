// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace quorvia {

// Removes every space (code 32 only) and turns a-z into A-Z; every other
// byte, accented letters included, stays as it is.
std::string NormalizeAnswer(std::string_view text);

}  // namespace quorvia
