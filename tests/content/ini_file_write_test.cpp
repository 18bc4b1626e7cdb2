// SPDX-License-Identifier: GPL-3.0-or-later
// Writing keys into INI text: the rest of a teacher's file stays as it was,
// byte for byte, in its own encoding and line endings.

#include "content/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvia {
namespace {

TEST(IniFileWrite, ReplacesTheFirstMatchingKeyInPlace) {
    const std::string before =
        "; configurazione\r\n"
        "[Colori]\r\n"
        "  Sfondo =  123  ; vecchio\r\n"
        "Testo=1\r\n"
        "sfondo=duplicate\r\n"
        "\r\n"
        "[COLORI]\r\n"
        "Sfondo=in the unread copy\r\n";
    IniFile file = IniFile::parse(before);
    file.writeString("colori", "SFONDO", "65535");

    // The key keeps the file's spelling; every other byte is untouched.
    EXPECT_EQ(file.serialize(),
              "; configurazione\r\n"
              "[Colori]\r\n"
              "Sfondo=65535\r\n"
              "Testo=1\r\n"
              "sfondo=duplicate\r\n"
              "\r\n"
              "[COLORI]\r\n"
              "Sfondo=in the unread copy\r\n");
    EXPECT_EQ(file.readString("Colori", "sfondo", ""), "65535");
}

TEST(IniFileWrite, NewKeyGoesAfterTheLastKeyOfTheFirstSection) {
    IniFile file = IniFile::parse(
        "[A]\n"
        "uno=1\n"
        "; commento\n"
        "due=2\n"
        "\n"
        "[B]\n"
        "x=1\n"
        "[a]\n"
        "tre=in the unread copy\n");
    file.writeString("A", "tre", "3");
    EXPECT_EQ(file.serialize(),
              "[A]\n"
              "uno=1\n"
              "; commento\n"
              "due=2\n"
              "tre=3\n"
              "\n"
              "[B]\n"
              "x=1\n"
              "[a]\n"
              "tre=in the unread copy\n");
    EXPECT_EQ(file.readString("A", "tre", ""), "3");
    EXPECT_EQ(file.lineOf("B", "x"), 8);
}

TEST(IniFileWrite, NewKeyInASectionWithoutKeysGoesRightAfterItsHeader) {
    IniFile file = IniFile::parse("[Vuota]\n; nota\n[Altra]\nk=v");
    file.writeString("vuota", "k", "1");
    EXPECT_EQ(file.serialize(), "[Vuota]\nk=1\n; nota\n[Altra]\nk=v");
    EXPECT_TRUE(file.sectionExists("Vuota"));
}

TEST(IniFileWrite, NewSectionIsAppendedAfterABlankLine) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"EmptyFile", "", "[Nuova]\nk=v\n"},
        {"EndsWithNewline", "[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n\r\n[Nuova]\r\nk=v\r\n"},
        {"LastLineWithoutNewline", "[A]\r\nx=1", "[A]\r\nx=1\r\n\r\n[Nuova]\r\nk=v\r\n"},
        {"EndsWithBlankLine", "[A]\nx=1\n\n", "[A]\nx=1\n\n[Nuova]\nk=v\n"},
        {"LoneCarriageReturns", "[A]\rx=1\r", "[A]\rx=1\r\r[Nuova]\rk=v\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file = IniFile::parse(c.before);
        file.writeString("Nuova", "k", "v");
        EXPECT_EQ(file.serialize(), c.after);
    }
}

TEST(IniFileWrite, KeysBeforeAnySectionStayOutOfTheNewSection) {
    IniFile file = IniFile::parse("orphan=1\n");
    file.writeString("S", "orphan", "2");
    EXPECT_EQ(file.serialize(), "orphan=1\n\n[S]\norphan=2\n");
}

TEST(IniFileWrite, ManyWritesBuildAWorksheet) {
    IniFile file;
    for (int control = 1; control <= 3; ++control) {
        const std::string section = "B" + std::to_string(control);
        file.writeString(section, "TIPO", "TLMDBUTTON");
        file.writeString(section, "TAG", std::to_string(control));
    }
    file.writeString("DATI", "NOME", "Anna");
    file.writeString("b2", "tag", "20");
    EXPECT_EQ(file.serialize(),
              "[B1]\nTIPO=TLMDBUTTON\nTAG=1\n\n"
              "[B2]\nTIPO=TLMDBUTTON\nTAG=20\n\n"
              "[B3]\nTIPO=TLMDBUTTON\nTAG=3\n\n"
              "[DATI]\nNOME=Anna\n");
}

struct RoundTripCase {
    const char* name;
    std::string written;
    std::string readBack;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class ValueRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Blanks and enclosing quotes would be stripped on reading, and a line break
// would split the line into a second, forged key; the writer guards both.
TEST_P(ValueRoundTrip, ReadsBackWhatWasWritten) {
    IniFile file = IniFile::parse("[S]\nk=old\n");
    file.writeString("S", "k", GetParam().written);
    file.writeString("T", "k", GetParam().written);
    const IniFile reread = IniFile::parse(file.serialize());
    EXPECT_EQ(reread.readString("S", "k", "<none>"), GetParam().readBack);
    EXPECT_EQ(reread.readString("T", "k", "<none>"), GetParam().readBack);
    EXPECT_EQ(reread.readString("S", "forged", "<none>"), "<none>");
    EXPECT_EQ(reread.sectionNames(), (std::vector<std::string>{"S", "T"}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueRoundTrip,
    ::testing::Values(
        RoundTripCase{"Plain", "Anna", "Anna"},
        RoundTripCase{"Empty", "", ""},
        RoundTripCase{"LeadingAndTrailingBlanks", "  due spazi ", "  due spazi "},
        RoundTripCase{"EnclosedInDoubleQuotes", "\"citato\"", "\"citato\""},
        RoundTripCase{"EnclosedInSingleQuotes", "'citato'", "'citato'"},
        RoundTripCase{"LoneQuote", "\"", "\""},
        RoundTripCase{"EqualsSigns", "a=b", "a=b"},
        RoundTripCase{"Accents", "perché è così €", "perché è così €"},
        RoundTripCase{"LineBreaksBecomeSpaces", "uno\r\nforged=1\n[X]\rz", "uno forged=1 [X] z"}),
    [](const auto& info) { return std::string(info.param.name); });

// A key line that starts with "[" would read back as a header.
TEST(IniFileWrite, EmptyKeyNameOrOneOpeningABracketWritesNothing) {
    IniFile file = IniFile::parse("[S]\nk=v\n");
    file.writeString("S", "", "x");
    file.writeString("Nuova", "  ", "x");
    file.writeString("S", " [PROBLEMA_2", "x");
    EXPECT_EQ(file.serialize(), "[S]\nk=v\n");
}

}  // namespace
}  // namespace quorvia
