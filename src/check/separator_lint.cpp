// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/separator_lint.h"

#include "check/formula_lint.h"
#include "check/lint_common.h"
#include "content/ini_file.h"
#include "content/resource_path.h"

#include <algorithm>

namespace quorvia::check {

namespace {

// Places named in the warning; the rest are counted.
constexpr std::size_t kPlacesNamed = 3;

std::string separatorName(char separator)
{
    return separator == ',' ? "la virgola" : "il punto";
}

// "P_SCHEMA3.INI riga 13" for every R1 and R2 that the windows offer and
// that is written with the separator other than `separator`; a file that two
// modes share is looked at once.
std::vector<std::string> formulasWithOtherSeparator(const std::string& folder, const GeneraleLint& general,
                                                    char separator)
{
    std::vector<std::string> places;
    std::vector<std::string> seen;
    for (const NamedProblemFile& named : general.problem_files) {
        const std::string path = findResourceFile(folder, named.name);
        if (path.empty() || std::find(seen.begin(), seen.end(), path) != seen.end())
            continue;
        seen.push_back(path);
        const IniFile ini = IniFile::read(path);
        const std::string file = fileNameOf(path);
        const int offered = offeredProblems(named.max);
        for (int problem = 1; problem <= offered; ++problem) {
            const std::string section = "PROBLEMA_" + std::to_string(problem);
            for (const char* key : {"R1", "R2"}) {
                if (key[1] == '2' && !hasSecondFormula(named.scheme))
                    continue;
                if (writtenWithOtherSeparator(ini.readString(section, key, ""), separator))
                    places.push_back(file + " riga " + std::to_string(ini.lineOf(section, key)));
            }
        }
    }
    return places;
}

}  // namespace

std::vector<Finding> lintDecimalSeparator(const std::string& folder, const GeneraleLint& general,
                                          const DecimalSeparatorChoice& choice)
{
    std::vector<Finding> out;
    const IniFile ini = IniFile::read(findGenerale(folder));
    const int keyLine = ini.lineOf(kDecimalSeparatorSection, kDecimalSeparatorKey);
    const std::string written = ini.readString(kDecimalSeparatorSection, kDecimalSeparatorKey, "");
    if (choice.source == SeparatorSource::Generale)
        return out;
    if (keyLine != 0) {
        out.push_back(warning("decimal-separator-value", general.file, keyLine,
                              std::string(kDecimalSeparatorKey) + " vale " + quote(written) +
                                  ", ma si scrive «,» (virgola) o «.» (punto): il valore non conta e i "
                                  "numeri si leggono come li scrive la lingua di ogni computer."));
    }

    const std::vector<std::string> places = formulasWithOtherSeparator(folder, general, choice.separator);
    if (places.empty())
        return out;
    const char other = choice.separator == ',' ? '.' : ',';
    std::string where;
    for (std::size_t i = 0; i < places.size() && i < kPlacesNamed; ++i)
        where += (i ? ", " : "") + places[i];
    if (places.size() > kPlacesNamed)
        where += " e altre " + std::to_string(places.size() - kPlacesNamed);
    const std::string count = places.size() == 1 ? "una formula ha" : std::to_string(places.size()) + " formule hanno";
    out.push_back(warning(
        "decimal-separator-unset", general.file, keyLine ? keyLine : ini.lineOf(kDecimalSeparatorSection),
        "GENERALE.INI non dice come sono scritti i decimali, quindi su questo computer i numeri si leggono con " +
            separatorName(choice.separator) + ", come usa la sua lingua; ma " + count + " i decimali scritti con " +
            separatorName(other) + " (" + where + ") e lì lo schema non si può completare. Aggiungi la riga " +
            quote(std::string(kDecimalSeparatorKey) + "=" + other) + " nella sezione [" +
            kDecimalSeparatorSection + "]: allora i numeri si leggono con " + separatorName(other) +
            " su ogni computer."));
    return out;
}

}  // namespace quorvia::check
