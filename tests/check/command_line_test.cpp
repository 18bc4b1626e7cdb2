// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's command line: its options and the folder it checks.

#include "check/command_line.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvia::check::testing {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    bool json;
    bool help;
    const char* folder;
    bool bad;
};

std::ostream& operator<<(std::ostream& out, const CommandLineCase& c)
{
    return out << c.name;
}

class CommandLineParsing : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineParsing, ReadsOptionsAndTheFolder)
{
    const CommandLineCase& c = GetParam();
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(!line.error.isEmpty(), c.bad) << line.error.toStdString();
    if (c.bad)
        return;
    EXPECT_EQ(line.json, c.json);
    EXPECT_EQ(line.help, c.help);
    EXPECT_EQ(line.folder, QString::fromUtf8(c.folder));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineParsing,
    ::testing::Values(CommandLineCase{"Nothing", {}, false, false, "", false},
                      CommandLineCase{"FolderOnly", {"RISORSE"}, false, false, "RISORSE", false},
                      CommandLineCase{"JsonAfterFolder", {"RISORSE", "--json"}, true, false, "RISORSE", false},
                      CommandLineCase{"Help", {"-h"}, false, true, "", false},
                      CommandLineCase{"FolderAfterDoubleDash", {"--", "-cartella"}, false, false, "-cartella",
                                      false},
                      CommandLineCase{"UnknownOption", {"--quiet"}, false, false, "", true},
                      CommandLineCase{"TwoFolders", {"uno", "due"}, false, false, "", true},
                      CommandLineCase{"EmptyFolderName", {""}, false, false, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvia::check::testing
