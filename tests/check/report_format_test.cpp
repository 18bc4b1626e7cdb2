// SPDX-License-Identifier: GPL-3.0-or-later
// The report's two faces: the text a teacher reads on the terminal and
// the JSON that tools read.

#include "check_fixture.h"

#include "check/lint_common.h"
#include "check/report_format.h"
#include "content/terminal_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvia::check::testing {
namespace {

CheckReport sampleReport();

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

// A hundred thousand unused sections must not bury the report: after 20
// findings of one kind in one file, one line says how many more there are.
// Other kinds and other files keep their own 20; the JSON and the summary
// keep every finding.
TEST(ReadableReport, ShowsTwentyFindingsOfAKindInAFileAndCountsTheRest)
{
    CheckReport report = sampleReport();
    report.other_files.clear();
    for (int i = 1; i <= 1000; ++i)
        report.other_files.push_back(warning("unknown-section", "CONFIGURE.INI", i, "sezione " + std::to_string(i)));
    for (int i = 1; i <= 21; ++i)
        report.other_files.push_back(warning("unknown-section", "ALTRO.INI", i, "sezione " + std::to_string(i)));
    report.other_files.push_back(warning("unknown-key", "CONFIGURE.INI", 3, "chiave"));
    const std::string text = formatText(report);
    const auto count = [&](const std::string& needle) {
        std::size_t n = 0;
        for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("avviso  CONFIGURE.INI riga"), 21u);  // 20 sections and the key
    EXPECT_EQ(count("avviso  ALTRO.INI riga"), 20u);
    EXPECT_NE(text.find("avviso  CONFIGURE.INI riga 20: sezione 20\n"
                        "  … e altre 980 osservazioni dello stesso tipo (unknown-section) in CONFIGURE.INI, "
                        "non mostrate.\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  … e un'altra osservazione dello stesso tipo (unknown-section) in ALTRO.INI"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("avviso  CONFIGURE.INI riga 3: chiave"), std::string::npos);
    EXPECT_NE(summaryLine(report).find("1023 avvisi"), std::string::npos) << summaryLine(report);
    EXPECT_LT(text.size(), 10000u);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(formatJson(report))).object();
    EXPECT_EQ(root.value("other_files").toArray().size(), 1022);
}

}  // namespace
}  // namespace quorvia::check::testing
