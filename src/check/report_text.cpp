// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/report_format.h"

#include "content/text_encoding.h"

#include <cstdio>
#include <sstream>

namespace quorvia::check {

namespace {

std::string escaped(const char* format, unsigned value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Length of the UTF-8 sequence its first byte announces; 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

}  // namespace

std::string terminalSafe(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 1) {
            out += lead < 0x20 || lead == 0x7F ? escaped("\\u%04x", lead) : std::string(1, text[i]);
            ++i;
        } else if (length == 0 || i + length > text.size() || !isValidUtf8(text.substr(i, length))) {
            out += escaped("\\x%02x", lead);
            ++i;
        } else if (lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            out += escaped("\\u%04x", static_cast<unsigned char>(text[i + 1]));  // C1: U+0080 to U+009F
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

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
    for (const Finding& f : report.general)
        out << "  " << findingLine(f) << '\n';
    for (const ProblemFileReport& file : report.files)
        writeFile(out, file);
    out << "\n== CONFIGURE.INI, animazioni e suoni ==\n";
    if (report.other_files.empty())
        out << "  Nessuna osservazione.\n";
    for (const Finding& f : report.other_files)
        out << "  " << findingLine(f) << '\n';
    if (!report.encodings.empty()) {
        out << "\nCodifica dei file letti:\n";
        for (const FileEncoding& e : report.encodings)
            out << "  " << terminalSafe(e.file) << ": " << e.encoding << '\n';
    }
    out << '\n' << summaryLine(report) << '\n';
    return out.str();
}

}  // namespace quorvia::check
