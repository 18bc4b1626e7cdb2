// SPDX-License-Identifier: GPL-3.0-or-later
// The progress folder a teacher sets in GENERALE.INI.

#include "content/temp_folder.h"
#include "progress/progress_folder.h"

#include <gtest/gtest.h>

namespace quorvia::progress {
namespace {

using quorvia::testing::TempFolder;

TEST(ProgressFolder, IsTheOneGeneraleNamesRelativeToTheResourcesOrAbsolute)
{
    struct Case {
        const char* generale;  // nullptr: no GENERALE.INI at all
        std::string expected;  // relative to the resource folder when it does not start with "/"
    };
    const Case cases[] = {
        {nullptr, ""},
        {"[AREA_PROGRAMMA]\r\nLBL_NOME=Nome\r\n", ""},
        {"[AREA_PROGRAMMA]\r\nCARTELLA_PROGRESSI=progressi\r\n", "progressi"},
        {"[AREA_PROGRAMMA]\r\nCARTELLA_PROGRESSI=..\\condivisa\\3A\r\n", "../condivisa/3A"},
        {"[area_programma]\r\ncartella_progressi = /srv/scuola/progressi/\r\n", "/srv/scuola/progressi/"},
    };
    for (const Case& c : cases) {
        TempFolder resources;
        if (c.generale)
            resources.write("GENERALE.INI", c.generale);
        std::string expected = c.expected;
        if (!expected.empty() && expected[0] != '/')
            expected = (std::filesystem::path(resources.path()) / expected).lexically_normal().string();
        EXPECT_EQ(configuredProgressFolder(resources.path()), expected) << (c.generale ? c.generale : "none");
    }
}

}  // namespace
}  // namespace quorvia::progress
