// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four signs a child picks for an operation scheme. The operator menu's
// items carry the sign's number (1..4) in their Tag, and the window, the
// checker's solver and the tests all go from one to the other through here.

#include <array>
#include <string>
#include <string_view>

namespace quorvia {

// In the order of the menu's Tags: "+" is Tag 1, ":" Tag 4.
inline constexpr std::array<const char*, 4> kOperatorSigns = {"+", "-", "X", ":"};
// The operator the evaluator reads for each sign, in the same order.
inline constexpr std::array<char, 4> kEvaluatorOperators = {'+', '-', '*', '/'};

// The sign of Tag 1..4; empty for any other Tag.
std::string operatorSignOfTag(int tag);
// The Tag of one of the four signs; 0 for anything else.
int operatorTagOfSign(std::string_view sign);
// True for the four operators the evaluator reads.
bool isEvaluatorOperator(char c);
// The sign a key typed on a focused operator label stands for: "+", "-",
// "x", "X" and "*" (times), ":" and "/" (divided by); empty for any other key.
std::string operatorSignOfTypedKey(char key);

}  // namespace quorvia
