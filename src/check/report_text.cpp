// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/report_format.h"

#include "content/terminal_text.h"

#include <map>
#include <sstream>
#include <utility>

namespace quorvia::check {

namespace {

std::string counted(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string findingLine(const Finding& f)
{
    std::string line = f.severity == Severity::Error ? "errore  " : "avviso  ";
    line += terminalSafe(f.file);
    if (f.line > 0)
        line += " riga " + std::to_string(f.line);
    return line + ": " + terminalSafe(f.message);
}

// A list of findings, each kind in one file shown at most kShownOfAKind
// times: a folder with a hundred thousand unused sections must not bury the
// rest of the report. One line after the last shown says how many more.
void writeFindings(std::ostringstream& out, const std::vector<Finding>& findings, const char* indent)
{
    constexpr int kShownOfAKind = 20;
    std::map<std::pair<std::string, std::string>, int> total, shown;
    for (const Finding& f : findings)
        ++total[{f.file, f.code}];
    for (const Finding& f : findings) {
        const std::pair<std::string, std::string> kind{f.file, f.code};
        const int n = ++shown[kind];
        if (n > kShownOfAKind)
            continue;
        out << indent << findingLine(f) << '\n';
        if (n == kShownOfAKind && total[kind] > kShownOfAKind) {
            const int more = total[kind] - kShownOfAKind;
            out << indent << "… e " << (more == 1 ? "un'altra osservazione" : "altre " + std::to_string(more) + " osservazioni")
                << " dello stesso tipo (" << terminalSafe(f.code) << ") in " << terminalSafe(f.file) << ", non mostrate.\n";
        }
    }
}

// "1, 3-4, 6-10"
std::string numberRanges(const std::vector<int>& numbers)
{
    std::string out;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (!out.empty())
            out += ", ";
        out += std::to_string(numbers[i]);
        if (j > i)
            out += "-" + std::to_string(numbers[j]);
        i = j + 1;
    }
    return out;
}

void writeFile(std::ostringstream& out, const ProblemFileReport& file)
{
    out << "\n== " << terminalSafe(file.file_name) << ": modo " << modeName(file.mode) << ", schema " << schemeName(file.scheme)
        << ", " << counted(file.offered, "problema", "problemi") << " ==\n";
    writeFindings(out, file.findings, "  ");

    std::vector<int> clean;
    int notTried = 0;
    for (const ProblemReport& problem : file.problems) {
        if (problem.outcome == Outcome::NotTried && problem.findings.empty()) {
            ++notTried;
            continue;
        }
        if (problem.outcome == Outcome::Solved && problem.findings.empty()) {
            clean.push_back(problem.number);
            continue;
        }
        out << "  Problema " << problem.number << ": ";
        switch (problem.outcome) {
        case Outcome::Solved: out << "si può finire."; break;
        case Outcome::NotSolved: out << "NON si può finire."; break;
        case Outcome::NotTried: out << "non provato."; break;
        }
        out << '\n';
        writeFindings(out, problem.findings, "    ");
    }
    if (!clean.empty() && clean.size() == file.problems.size())
        out << "  Tutti i problemi si possono finire, senza osservazioni.\n";
    else if (!clean.empty())
        out << "  Si possono finire, senza osservazioni: " << numberRanges(clean) << ".\n";
    if (notTried > 0)
        out << "  Non provati: " << counted(notTried, "problema", "problemi") << ".\n";
}

}  // namespace

std::string summaryLine(const CheckReport& report)
{
    const int problems = report.problemCount();
    const int notTried = report.count(Outcome::NotTried);
    std::string line = "Riepilogo: " + counted(problems, "problema", "problemi") + " in " +
                       counted(static_cast<int>(report.files.size()), "file", "file") + ", " +
                       std::to_string(report.count(Outcome::Solved)) + " si possono finire, " +
                       std::to_string(report.count(Outcome::NotSolved)) + " no";
    if (notTried > 0)
        line += ", " + counted(notTried, "non provato", "non provati");
    line += "; " + counted(report.count(Severity::Error), "errore", "errori") + ", " +
            counted(report.count(Severity::Warning), "avviso", "avvisi") + ": ";
    return line + (report.passed() ? "tutto a posto." : "da correggere.");
}

std::string formatText(const CheckReport& report)
{
    std::ostringstream out;
    out << "Controllo della cartella " << terminalSafe(report.folder) << '\n';
    out << "Numeri scritti con " << (report.decimal_separator == ',' ? "la virgola" : "il punto")
        << " come separatore decimale, "
        << (report.decimal_separator_source == SeparatorSource::Generale
                ? "come stabilisce SEPARATORE_DECIMALE in GENERALE.INI.\n"
                : "come usa la lingua di questo computer (GENERALE.INI non lo stabilisce con "
                  "SEPARATORE_DECIMALE).\n");
    out << "\n== GENERALE.INI ==\n";
    if (report.general.empty())
        out << "  Nessuna osservazione.\n";
    writeFindings(out, report.general, "  ");
    for (const ProblemFileReport& file : report.files)
        writeFile(out, file);
    out << "\n== CONFIGURE.INI, animazioni e suoni ==\n";
    if (report.other_files.empty())
        out << "  Nessuna osservazione.\n";
    writeFindings(out, report.other_files, "  ");
    if (!report.encodings.empty()) {
        out << "\nCodifica dei file letti:\n";
        for (const FileEncoding& e : report.encodings)
            out << "  " << terminalSafe(e.file) << ": " << e.encoding << '\n';
    }
    out << '\n' << summaryLine(report) << '\n';
    return out.str();
}

}  // namespace quorvia::check
