// SPDX-License-Identifier: GPL-3.0-or-later
// What the checker finds in the structure of an INI file before reading
// its keys: lines the reader passes over, line endings, the encoding.

#include "check_fixture.h"

#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "content/ini_file.h"

namespace quorvia::check::testing {
namespace {

TEST(StructureFindings, NameWhatTheReaderPassesOverWithItsLine)
{
    const std::string longValue(2100, 'a');
    const std::string text = "CHIAVE=prima di ogni sezione\r\n"   // 1
                             "[PROBLEMA_1]\r\n"                    // 2
                             "Testo=uno\r\n"                       // 3
                             "TESTO=due\r\n"                       // 4
                             "TESTOO=tre\r\n"                      // 5
                             "; commento\r\n"                      // 6
                             "[problema_1]\r\n"                    // 7
                             "TESTO=quattro\r\n"                   // 8
                             "[ALTRO]\r\n"                         // 9
                             "R1=" + longValue + "\r\n";           // 10
    KnownNames known;
    known.section = [](const std::string& s) { return s == "PROBLEMA_1"; };
    known.key = [](const std::string&, const std::string& k) { return k == "TESTO"; };
    std::vector<Finding> found;
    addStructureFindings(outlineOf(text), "PROVA.INI", known, found);

    std::vector<std::pair<std::string, int>> codes;
    for (const Finding& f : found)
        codes.emplace_back(f.code, f.line);
    const std::vector<std::pair<std::string, int>> expected = {
        {"key-outside-section", 1}, {"duplicate-key", 4},   {"unknown-key", 5},
        {"duplicate-section", 7},   {"unknown-section", 9}, {"value-cut", 10},
    };
    EXPECT_EQ(codes, expected) << describe(found);
    for (const Finding& f : found)
        EXPECT_EQ(f.severity, Severity::Warning) << f.code;
}

TEST(StructureFindings, ReadWindows1252AndEveryLineEnding)
{
    // "perché" in Windows-1252; lines ending CR LF, LF and CR.
    const IniOutline outline = outlineOf("[A]\r\nK1=perch\xE9\nK2=x\r[B]\nK3=y");
    ASSERT_EQ(outline.sections.size(), 2u);
    ASSERT_EQ(outline.sections[0].keys.size(), 2u);
    EXPECT_EQ(outline.sections[0].keys[0].length, 6u);
    EXPECT_EQ(outline.sections[0].keys[1].line, 3);
    EXPECT_EQ(outline.sections[1].line, 4);
    EXPECT_EQ(outline.sections[1].keys[0].line, 5);
}

// What a file is as a whole: its encoding, a cut at the size limit, bytes
// that are no text, a header without its "]".
TEST(StructureFindings, NameTheEncodingAndWhatStandsAgainstTheWholeFile)
{
    const std::string body = "[A]\r\nK=perché\r\n";
    std::string utf16le = "\xFF\xFE";
    for (char16_t c : std::u16string(u"[A]\r\nK=perché\r\n"))
        utf16le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    std::string huge = body;
    while (huge.size() <= IniFile::kMaxFileSize)
        huge += "; " + std::string(1000, 'x') + "\r\n";
    const struct {
        const char* name;
        std::string bytes;
        const char* encoding;
        std::vector<std::pair<std::string, int>> findings;
    } rows[] = {
        {"Utf8", body, "UTF-8", {}},
        {"Utf8WithBom", "\xEF\xBB\xBF" + body, "UTF-8 con BOM", {}},
        {"Windows1252", "[A]\r\nK=perch\xE9\r\n", "Windows-1252", {}},
        {"Utf16Le", utf16le, "UTF-16 LE", {}},
        {"Utf16WithoutMark", utf16le.substr(2), "Windows-1252", {{"not-text", 0}}},
        {"CodePageFullOfControls", "[A]\r\nK=\x01\x02\x03\x04\x05\xE9\r\n", "Windows-1252", {{"not-text", 0}}},
        {"CutAtTheSizeLimit", huge, "UTF-8", {{"file-cut", 16713}}},
        {"HeaderWithoutBracket", "[A\r\nK=1\r\n", "UTF-8", {{"header-unclosed", 1}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const IniOutline outline = outlineOf(row.bytes);
        EXPECT_EQ(encodingName(outline), row.encoding);
        std::vector<Finding> found;
        if (addFileFindings(outline, "PROVA.INI", found))
            addStructureFindings(outline, "PROVA.INI", {}, found);
        std::vector<std::pair<std::string, int>> codes;
        for (const Finding& f : found)
            codes.emplace_back(f.code, f.line);
        EXPECT_EQ(codes, row.findings) << describe(found);
    }
}

}  // namespace
}  // namespace quorvia::check::testing
