#include "check/report_format.h"

#include <sstream>

namespace quorvia::check {

namespace {

std::string counted(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string findingLine(const Finding& f)
{
    std::string line = f.severity == Severity::Error ? "errore  " : "avviso  ";
    line += f.file;
    if (f.line > 0)
        line += " riga " + std::to_string(f.line);
    return line + ": " + f.message;
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
    out << "\n== " << file.file_name << ": modo " << modeName(file.mode) << ", schema " << schemeName(file.scheme)
        << ", " << counted(file.offered, "problema", "problemi") << " ==\n";
    for (const Finding& f : file.findings)
        out << "  " << findingLine(f) << '\n';

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
        for (const Finding& f : problem.findings)
            out << "    " << findingLine(f) << '\n';
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
    out << "Controllo della cartella " << report.folder << '\n';
    out << "Numeri scritti con " << (report.decimal_separator == ',' ? "la virgola" : "il punto")
        << " come separatore decimale, "
        << (report.decimal_separator_source == SeparatorSource::Generale
                ? "come stabilisce SEPARATORE_DECIMALE in GENERALE.INI.\n"
                : "come usa la lingua di questo computer (GENERALE.INI non lo stabilisce con "
                  "SEPARATORE_DECIMALE).\n");
    out << "\n== GENERALE.INI ==\n";
    if (report.general.empty())
        out << "  Nessuna osservazione.\n";
    for (const Finding& f : report.general)
        out << "  " << findingLine(f) << '\n';
    for (const ProblemFileReport& file : report.files)
        writeFile(out, file);
    out << '\n' << summaryLine(report) << '\n';
    return out.str();
}

}  // namespace quorvia::check
