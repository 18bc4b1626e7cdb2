// SPDX-License-Identifier: GPL-3.0-or-later
// The version the programs answer --version with and the main window shows.

#include "base/version.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(Version, IsTheBuildsProjectVersionInFourParts)
{
    EXPECT_EQ(versionText(), QStringLiteral("3.0.0.1"));
    EXPECT_EQ(versionLabelText(), QStringLiteral("Ver 3.0.0.1"));
}

TEST(Version, Formatting)
{
    EXPECT_EQ(formatVersion("3.0.0.44"), QStringLiteral("3.0.0.44"));
    EXPECT_EQ(formatVersion("3.1"), QStringLiteral("3.1.0.0"));
    EXPECT_EQ(formatVersion(""), QString());
    EXPECT_EQ(formatVersion("3.x"), QString());
    EXPECT_EQ(formatVersion("1.2.3.4.5"), QString());
    EXPECT_EQ(formatVersion("70000.0.0.0"), QString());
}

}  // namespace
}  // namespace quorvia
