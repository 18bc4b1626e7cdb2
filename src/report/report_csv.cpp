// SPDX-License-Identifier: GPL-3.0-or-later
// The class report as spreadsheet rows: one per child and problem.

#include "report/report_format.h"

#include "content/terminal_text.h"
#include "progress/csv.h"

namespace quorvia::report {
namespace {

// A spreadsheet runs a cell that starts with one of these as a formula: a
// child typed as "=1+1" or "@SOMMA(...)" must stay a name. The apostrophe is
// the spreadsheets' own mark for "text as written" and is not shown. Control
// characters are written as escapes, as for the terminal: the rows may be
// shown on one, and no cell of a spreadsheet means one.
std::string spreadsheetText(const std::string& raw)
{
    const std::string text = terminalSafe(raw);
    if (!text.empty() && std::string("=+-@").find(text.front()) != std::string::npos)
        return "'" + text;
    return text;
}

}  // namespace

QByteArray csvReport(const progress::ClassReport& report)
{
    progress::CsvRow header = {"bambino", "modo", "schema", "file", "problema", "tentativi", "esito", "errori"};
    for (const std::string& kind : progress::stepKinds())
        header.push_back("errori " + kind);
    header.insert(header.end(), {"aiuti", "secondi", "inizio del testo"});
    std::string out = progress::csvLine(header);
    for (const progress::ChildSummary& c : report.children) {
        for (const progress::ChildProblem& p : c.problems) {
            progress::CsvRow row = {spreadsheetText(c.name),
                                    modeName(p.problem.mode),
                                    schemeName(p.problem.scheme),
                                    spreadsheetText(p.problem.file),
                                    std::to_string(p.problem.problem),
                                    std::to_string(p.attempts),
                                    progress::resultText(p.result),
                                    std::to_string(p.errors)};
            for (int n : p.errors_by_kind)
                row.push_back(std::to_string(n));
            row.push_back(std::to_string(p.hints));
            row.push_back(std::to_string(p.seconds));
            row.push_back(spreadsheetText(report.openingOf(p.problem)));
            out += progress::csvLine(row);
        }
    }
    return QByteArray::fromStdString(out);
}

}  // namespace quorvia::report
