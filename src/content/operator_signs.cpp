// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/operator_signs.h"

namespace quorvia {

std::string operatorSignOfTag(int tag)
{
    if (tag < 1 || tag > static_cast<int>(kOperatorSigns.size()))
        return std::string();
    return kOperatorSigns[static_cast<std::size_t>(tag - 1)];
}

int operatorTagOfSign(std::string_view sign)
{
    for (std::size_t i = 0; i < kOperatorSigns.size(); ++i) {
        if (sign == kOperatorSigns[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

bool isEvaluatorOperator(char c)
{
    for (char op : kEvaluatorOperators) {
        if (c == op)
            return true;
    }
    return false;
}

std::string operatorSignOfTypedKey(char key)
{
    switch (key) {
    case '+':
        return "+";
    case '-':
        return "-";
    case 'x':
    case 'X':
    case '*':
        return "X";
    case ':':
    case '/':
        return ":";
    default:
        return std::string();
    }
}

}  // namespace quorvia
