// SPDX-License-Identifier: GPL-3.0-or-later
// Reading INI text the way the platform's private-profile calls read the
// files teachers write on Windows.

#include "content/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quorvia {
namespace {

constexpr const char* kFallback = "<fallback>";

// One file holding the corner cases real teachers' files have.
const std::string kCornerCases =
    "orphan=before any section\n"
    "[Testi]\n"
    "plain=ciao\n"
    "  spaced key   =   value with blanks   \n"
    "tabbed\t=\tvalue\t\n"
    "quoted=\"  keeps inner blanks  \"\n"
    "single='in single quotes'\n"
    "left=\"only on the left\n"
    "right=only on the right\"\n"
    "mixed=\"a'\n"
    "lonequote=\"\n"
    "emptyquotes=\"\"\n"
    "empty=\n"
    "equals=a=b=c\n"
    "no equals line\n"
    "; comment=not a key\n"
    "# hash=not a key\n"
    "dup=first\n"
    "DUP=second\n"
    "=no name\n"
    "pipe=riga uno|riga due\n"
    "[ Spaced Section ]   text after the bracket\n"
    "k=v\n"
    "[TESTI]\n"
    "dup=from the second section\n"
    "late=only in the second section\n"
    "[Rotta]\n"
    "prima=1\n"
    "[Rotta2\n"
    "dopo=2\n"
    "[x=bracket key\n";

struct StringCase {
    const char* name;
    const char* section;
    const char* key;
    std::string expected;
};

void PrintTo(const StringCase& c, std::ostream* os) { *os << c.name; }

class ReadString : public ::testing::TestWithParam<StringCase> {};

TEST_P(ReadString, FindsTheValueThePlatformWould) {
    const IniFile file = IniFile::parse(kCornerCases);
    EXPECT_EQ(file.readString(GetParam().section, GetParam().key, kFallback), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CornerCases, ReadString,
    ::testing::Values(
        StringCase{"PlainValue", "Testi", "plain", "ciao"},
        StringCase{"SectionNameInAnyCase", "TESTI", "plain", "ciao"},
        StringCase{"KeyNameInAnyCase", "testi", "PLAIN", "ciao"},
        StringCase{"BlanksAroundKeyAndValue", "Testi", "spaced key", "value with blanks"},
        StringCase{"TabsAroundKeyAndValue", "Testi", "tabbed", "value"},
        StringCase{"MatchingDoubleQuotesGoInnerBlanksStay", "Testi", "quoted", "  keeps inner blanks  "},
        StringCase{"MatchingSingleQuotesGo", "Testi", "single", "in single quotes"},
        StringCase{"QuoteOnTheLeftOnlyStays", "Testi", "left", "\"only on the left"},
        StringCase{"QuoteOnTheRightOnlyStays", "Testi", "right", "only on the right\""},
        StringCase{"DifferentQuotesStay", "Testi", "mixed", "\"a'"},
        StringCase{"LoneQuoteStays", "Testi", "lonequote", "\""},
        StringCase{"EmptyQuotesGiveEmptyValue", "Testi", "emptyquotes", ""},
        StringCase{"EmptyValueIsNotTheFallback", "Testi", "empty", ""},
        StringCase{"EqualsSignInsideTheValue", "Testi", "equals", "a=b=c"},
        StringCase{"PipeIsKeptForTheCaller", "Testi", "pipe", "riga uno|riga due"},
        StringCase{"LineWithoutEqualsIsNoKey", "Testi", "no equals line", kFallback},
        StringCase{"SemicolonLineIsAComment", "Testi", "; comment", kFallback},
        StringCase{"HashLineIsAComment", "Testi", "# hash", kFallback},
        StringCase{"EmptyKeyNameIsNeverFound", "Testi", "", kFallback},
        StringCase{"FirstOfDuplicateKeysWins", "Testi", "dup", "first"},
        StringCase{"LaterDuplicateSectionIsNotRead", "Testi", "late", kFallback},
        StringCase{"KeyBeforeAnySectionBelongsToNone", "", "orphan", kFallback},
        StringCase{"KeyBeforeAnySectionIsNotInTheFirst", "Testi", "orphan", kFallback},
        StringCase{"SectionNameTrimmedTextAfterBracketIgnored", "Spaced Section", "k", "v"},
        StringCase{"HeaderWithoutClosingBracketOpensItsSection", "Rotta2", "dopo", "2"},
        StringCase{"HeaderWithoutClosingBracketEndsTheSectionBefore", "Rotta", "dopo", kFallback},
        StringCase{"BracketLineWithEqualsIsAHeaderNotAKey", "Rotta2", "[x", kFallback},
        StringCase{"MissingSection", "Nessuna", "plain", kFallback},
        StringCase{"MissingKey", "Testi", "nessuna", kFallback}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileRead, EveryKindOfLineEndingAndAMissingLastOne) {
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(ending));
        const IniFile file =
            IniFile::parse("[S]" + ending + "a=1" + ending + ending + "b= due ");
        EXPECT_EQ(file.readString("S", "a", kFallback), "1");
        EXPECT_EQ(file.readString("S", "b", kFallback), "due");
        EXPECT_EQ(file.lineOf("S", "b"), 4);
    }
}

TEST(IniFileRead, ValuesAreCutToTheLimitInCharacters) {
    const std::string ascii(3000, 'x');
    std::string accented;
    for (int i = 0; i < 3000; ++i) accented += "\xC3\xA8";  // è
    const std::string quoted = "\"" + std::string(2100, 'y') + "\"";
    const IniFile file = IniFile::parse("[S]\nascii=" + ascii + "\naccented=" + accented +
                                        "\nquoted=" + quoted + "\nexact=" + ascii.substr(0, 2047) +
                                        "\n");

    EXPECT_EQ(file.readString("S", "ascii", ""), ascii.substr(0, IniFile::kMaxValueLength));
    // Cut between characters, never inside one.
    EXPECT_EQ(file.readString("S", "accented", ""), accented.substr(0, 2 * IniFile::kMaxValueLength));
    // The quotes go first, then the value is cut.
    EXPECT_EQ(file.readString("S", "quoted", ""), std::string(IniFile::kMaxValueLength, 'y'));
    EXPECT_EQ(file.readString("S", "exact", ""), ascii.substr(0, 2047));
}

struct IntegerCase {
    const char* name;
    const char* value;
    int expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.name; }

class ReadInteger : public ::testing::TestWithParam<IntegerCase> {};

constexpr int kIntFallback = -99;

TEST_P(ReadInteger, ReadsTheNumberOrGivesTheFallback) {
    const IniFile file = IniFile::parse(std::string("[N]\nvalue=") + GetParam().value + "\n");
    EXPECT_EQ(file.readInteger("N", "value", kIntFallback), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadInteger,
    ::testing::Values(
        IntegerCase{"Decimal", "42", 42},
        IntegerCase{"Zero", "0", 0},
        IntegerCase{"Negative", "-17", -17},
        IntegerCase{"PlusSign", "+8", 8},
        IntegerCase{"BlanksAround", "   7   ", 7},
        IntegerCase{"InQuotes", "\"5\"", 5},
        IntegerCase{"LeadingZeros", "007", 7},
        IntegerCase{"HexAfter0x", "0x1F", 31},
        IntegerCase{"HexAfter0XInMixedCase", "0X1f", 31},
        IntegerCase{"HexAfterDollar", "$FF", 255},
        IntegerCase{"NegativeHex", "-$10", -16},
        IntegerCase{"HexSystemColourWrapsToNegative", "$FF00000F", -16777201},
        IntegerCase{"HexAllBitsIsMinusOne", "0xFFFFFFFF", -1},
        IntegerCase{"LargestInt", "2147483647", INT_MAX},
        IntegerCase{"SmallestInt", "-2147483648", INT_MIN},
        IntegerCase{"DecimalOverflowGivesFallback", "2147483648", kIntFallback},
        IntegerCase{"DecimalUnderflowGivesFallback", "-2147483649", kIntFallback},
        IntegerCase{"HexBeyond32BitsGivesFallback", "$100000000", kIntFallback},
        IntegerCase{"TrailingJunkGivesFallback", "12abc", kIntFallback},
        IntegerCase{"InnerBlankGivesFallback", "1 2", kIntFallback},
        IntegerCase{"DecimalPointGivesFallback", "3.5", kIntFallback},
        IntegerCase{"WordGivesFallback", "abc", kIntFallback},
        IntegerCase{"EmptyGivesFallback", "", kIntFallback},
        IntegerCase{"SignAloneGivesFallback", "-", kIntFallback},
        IntegerCase{"PrefixWithoutDigitsGivesFallback", "0x", kIntFallback},
        IntegerCase{"DollarWithoutDigitsGivesFallback", "$", kIntFallback},
        IntegerCase{"BadHexDigitGivesFallback", "$1G", kIntFallback}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileRead, MissingIntegerKeyGivesFallback) {
    const IniFile file = IniFile::parse("[N]\nvalue=1\n");
    EXPECT_EQ(file.readInteger("N", "other", kIntFallback), kIntFallback);
    EXPECT_EQ(file.readInteger("Other", "value", kIntFallback), kIntFallback);
}

TEST(IniFileSections, ASectionExistsOnlyWhenItsFirstCopyHoldsAKey) {
    const IniFile file = IniFile::parse(
        "stray=1\n"
        "[Piena]\nk=v\n"
        "[Vuota]\n\n"
        "[Commenti]\n; solo=commento\nniente qui\n"
        "[Doppia]\n"
        "[doppia]\nk=v\n"
        "[PIENA]\naltro=2\n"
        "[Ultima]\nz=1");

    EXPECT_TRUE(file.sectionExists("Piena"));
    EXPECT_TRUE(file.sectionExists("piena"));
    EXPECT_FALSE(file.sectionExists("Vuota"));
    EXPECT_FALSE(file.sectionExists("Commenti"));
    EXPECT_FALSE(file.sectionExists("Doppia"));  // its keys are in a copy nobody reads
    EXPECT_FALSE(file.sectionExists("Mancante"));
    EXPECT_FALSE(file.sectionExists(""));
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"Piena", "Ultima"}));
}

TEST(IniFileSections, KeyNamesInFileOrderOncePerKey) {
    const IniFile file = IniFile::parse(
        "[Problema]\nTESTO=a\n; commento\nR1=2+2\ntesto=b\nR2 = R1x3\n"
        "[problema]\nHELP=unseen\n");
    EXPECT_EQ(file.keyNames("PROBLEMA"), (std::vector<std::string>{"TESTO", "R1", "R2"}));
    EXPECT_TRUE(file.keyNames("Nessuna").empty());
}

TEST(IniFileSections, LineOfCountsEveryLineOfTheFile) {
    const IniFile file = IniFile::parse(
        "; intestazione\r\n\r\n; ancora\r\n[A]\r\nuno=1\r\n\r\n\r\ndue=2\r\n[B]\r\ntre=3\r\n");
    EXPECT_EQ(file.lineOf("A"), 4);
    EXPECT_EQ(file.lineOf("a", "UNO"), 5);
    EXPECT_EQ(file.lineOf("A", "due"), 8);
    EXPECT_EQ(file.lineOf("B", "tre"), 10);
    EXPECT_EQ(file.lineOf("A", "tre"), 0);
    EXPECT_EQ(file.lineOf("C"), 0);
}

// The line a name stands on, counted in the file's text the plain way.
int countedLine(const std::string& text, const std::string& start) {
    int number = 1;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find_first_of("\r\n", at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (line.rfind(start, 0) == 0) return number;
        if (end == std::string::npos) break;
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
    return 0;
}

// lineOf answers from an index built on the first call; every write that adds
// a line must leave it agreeing with the file's text.
TEST(IniFileSections, LineOfAgreesWithCountingBeforeAndAfterWrites) {
    IniFile file = IniFile::parse(
        "; a\r\n; b\r\r\n[A]\nuno=1\r; c\n\ndue=2\r\n[B]\n\n; d\rtre=3\n[C]\nquattro=4");
    const auto agrees = [&file](const char* when) {
        SCOPED_TRACE(when);
        const std::string text = file.serialize();
        for (const std::string& section : file.sectionNames()) {
            EXPECT_EQ(file.lineOf(section), countedLine(text, "[" + section + "]")) << section;
            for (const std::string& key : file.keyNames(section))
                EXPECT_EQ(file.lineOf(section, key), countedLine(text, key + "=")) << section << " " << key;
        }
    };
    agrees("as read");
    file.writeString("A", "cinque", "5");  // a line in the middle
    agrees("after a key added to the first section");
    file.writeString("B", "tre", "33");  // rewritten in place
    file.writeString("D", "sei", "6");   // a new section at the end
    agrees("after a rewrite and a new section");
    EXPECT_EQ(file.lineOf("B", "tre"), 13);
}

TEST(IniFileRead, ManySectionsAreAllFound) {
    // Lookups go through an index; this checks that it covers the whole file.
    std::string text;
    for (int problem = 1; problem <= 2000; ++problem) {
        text += "[PROBLEMA_" + std::to_string(problem) + "]\r\n";
        for (int k = 1; k <= 5; ++k) {
            text += "DOMANDA" + std::to_string(k) + "=p" + std::to_string(problem) + "k" +
                    std::to_string(k) + "\r\n";
        }
    }
    const IniFile file = IniFile::parse(text);
    for (int problem = 1; problem <= 2000; problem += 111) {
        const std::string section = "problema_" + std::to_string(problem);
        EXPECT_EQ(file.readString(section, "domanda5", ""), "p" + std::to_string(problem) + "k5");
    }
    EXPECT_EQ(file.sectionNames().size(), 2000u);
}

}  // namespace
}  // namespace quorvia
