// SPDX-License-Identifier: GPL-3.0-or-later
// The operator menu's Tags and the signs they stand for.

#include "content/operator_signs.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(OperatorSigns, EachTagHasItsSignAndBack)
{
    const struct {
        int tag;
        const char* sign;
    } cases[] = {{1, "+"}, {2, "-"}, {3, "X"}, {4, ":"}};
    for (const auto& c : cases) {
        EXPECT_EQ(operatorSignOfTag(c.tag), c.sign);
        EXPECT_EQ(operatorTagOfSign(c.sign), c.tag);
    }
}

TEST(OperatorSigns, AnythingElseHasNeither)
{
    for (int tag : {0, 5, -1})
        EXPECT_EQ(operatorSignOfTag(tag), "") << tag;
    // The menu's caption "_" and a lower-case "x" are not signs.
    for (const char* sign : {"", "_", "x", "*", "/", "++"})
        EXPECT_EQ(operatorTagOfSign(sign), 0) << sign;
}

TEST(OperatorSigns, TypedKeysStandForTheirSigns)
{
    const struct {
        char key;
        const char* sign;
    } cases[] = {{'+', "+"}, {'-', "-"}, {'x', "X"}, {'X', "X"}, {'*', "X"},
                 {':', ":"}, {'/', ":"}, {'_', ""},  {'=', ""},  {'1', ""}, {' ', ""}};
    for (const auto& c : cases)
        EXPECT_EQ(operatorSignOfTypedKey(c.key), c.sign) << c.key;
}

}  // namespace
}  // namespace quorvia
