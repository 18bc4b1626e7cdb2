// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the checker that need no window: the command line, the
// structure of an INI file, the report's two faces and the watchdog.

#include "check_fixture.h"

#include "check/command_line.h"
#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "check/report_format.h"
#include "check/watchdog.h"
#include "content/ini_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <future>

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

CheckReport sampleReport();

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

// Text from a teacher's file never reaches the terminal as a control: the
// line from the report of an escape-laden key, and the rest of the kinds.
TEST(ReadableReport, ShowsEveryControlCharacterEscaped)
{
    const struct {
        const char* name;
        std::string text;
        std::string shown;
    } rows[] = {
        {"RetitleAndClear", "CHIAVE\x1b]0;X\a\x1b[2J=ok", "CHIAVE\\u001b]0;X\\u0007\\u001b[2J=ok"},
        {"HiddenText", "\x1b[8mresto", "\\u001b[8mresto"},
        {"TabAndLineBreaks", "a\tb\r\nc", "a\\u0009b\\u000d\\u000ac"},
        {"Delete", "a\x7f", "a\\u007f"},
        {"C1ControlInUtf8", "a\xC2\x9B" "2J", "a\\u009b2J"},
        {"BytesThatAreNotUtf8", "a\x9B\xE8", "a\\x9b\\xe8"},
        {"AccentsAndSignsStay", "perché 5 € «|»", "perché 5 € «|»"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(terminalSafe(row.text), row.shown);
    }

    CheckReport report = sampleReport();
    report.folder = "/scuola/\x1b[2J/";
    report.other_files.push_back(warning("unknown-key", "A.INI\x9b", 3, "chiave \x1b]0;X\a\x7f\xC2\x85"));
    const std::string text = formatText(report);
    EXPECT_EQ(text.find_first_of("\x1b\a\x7f\x9b"), std::string::npos) << text;
    EXPECT_EQ(text.find("\xC2\x85"), std::string::npos) << text;
    EXPECT_NE(text.find("avviso  A.INI\\x9b riga 3: chiave \\u001b]0;X\\u0007\\u007f\\u0085\n"), std::string::npos)
        << text;
    const std::string json = formatJson(report);
    EXPECT_EQ(json.find_first_of("\x1b\a\x7f"), std::string::npos) << json;
    EXPECT_EQ(json.find("\xC2\x85"), std::string::npos) << json;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    EXPECT_EQ(root.value("other_files").toArray().at(0).toObject().value("message").toString(),
              QString::fromUtf8("chiave \x1b]0;X\a\x7f\xC2\x85"));
}

CheckReport sampleReport()
{
    CheckReport report;
    report.folder = "/scuola/RISORSE/";
    report.general.push_back(warning("pipe-shown", "GENERALE.INI", 5, "in BTN_FINE il segno «|» non va a capo."));
    ProblemFileReport file;
    file.mode = Mode::Advanced;
    file.scheme = Scheme::S4b;
    file.file_name = "A_SCHEMA4B.INI";
    file.offered = 6;
    for (int n = 1; n <= 6; ++n)
        file.problems.push_back(ProblemReport{n, Outcome::Solved, 0, {}});
    file.problems[1].outcome = Outcome::NotSolved;
    file.problems[1].failed_step = 7;
    file.problems[1].findings.push_back(error("not-solvable", "A_SCHEMA4B.INI", 0, "il problema non si può finire."));
    report.files.push_back(file);
    return report;
}

TEST(ReadableReport, GroupsByFileAndProblemAndEndsWithTheSummary)
{
    const std::string text = formatText(sampleReport());
    EXPECT_NE(text.find("Controllo della cartella /scuola/RISORSE/\n"), std::string::npos) << text;
    EXPECT_NE(text.find("== GENERALE.INI ==\n  avviso  GENERALE.INI riga 5: in BTN_FINE"), std::string::npos) << text;
    EXPECT_NE(text.find("== A_SCHEMA4B.INI: modo avanzato, schema 4b, 6 problemi ==\n"
                        "  Problema 2: NON si può finire.\n"
                        "    errore  A_SCHEMA4B.INI: il problema non si può finire.\n"
                        "  Si possono finire, senza osservazioni: 1, 3-6.\n"),
              std::string::npos)
        << text;
    const std::string summary =
        "Riepilogo: 6 problemi in 1 file, 5 si possono finire, 1 no; 1 errore, 1 avviso: da correggere.";
    EXPECT_EQ(summaryLine(sampleReport()), summary);
    EXPECT_EQ(text.substr(text.size() - summary.size() - 1), summary + "\n");
}

TEST(JsonReport, CarriesEveryFindingAndTheCounts)
{
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(formatJson(sampleReport()))).object();
    EXPECT_FALSE(root.value("passed").toBool());
    EXPECT_EQ(root.value("summary").toObject().value("solved").toInt(), 5);
    EXPECT_EQ(root.value("summary").toObject().value("warnings").toInt(), 1);
    const QJsonObject general = root.value("general").toArray().at(0).toObject();
    EXPECT_EQ(general.value("message").toString(), QStringLiteral("in BTN_FINE il segno «|» non va a capo."));
    const QJsonObject problem =
        root.value("files").toArray().at(0).toObject().value("problems").toArray().at(1).toObject();
    EXPECT_EQ(problem.value("number").toInt(), 2);
    EXPECT_EQ(problem.value("failed_step").toInt(), 7);
}

TEST(Watchdog, CallsOutTheWorkThatStoppedMoving)
{
    std::promise<std::string> stalled;
    std::future<std::string> told = stalled.get_future();
    {
        Watchdog watchdog(std::chrono::milliseconds(50),
                          [&stalled](const std::string& work) { stalled.set_value(work); });
        watchdog.beat("P_SCHEMA3.INI, problema 4");
        ASSERT_EQ(told.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    }
    EXPECT_EQ(told.get(), "P_SCHEMA3.INI, problema 4");
}

TEST(Watchdog, StaysQuietWhenTheCheckEndsInTime)
{
    bool stalled = false;
    {
        Watchdog watchdog(std::chrono::hours(1), [&stalled](const std::string&) { stalled = true; });
        watchdog.beat("GENERALE.INI");
    }
    EXPECT_FALSE(stalled);
}

}  // namespace
}  // namespace quorvia::check::testing
