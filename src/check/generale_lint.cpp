// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/generale_lint.h"

#include "base/teacher_pin.h"
#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "content/generale_keys.h"
#include "content/ini_file.h"
#include "content/resource_path.h"

#include <algorithm>

namespace quorvia::check {

namespace {

using generale::kProgramSection;

bool knownMainKey(const std::string& section, const std::string& key)
{
    return generale::find(section, key) != nullptr;
}

// What shows `key`, for the teacher: a key of each scheme names its scheme.
std::string whatShows(const generale::Key& key, std::size_t schemeIndex)
{
    std::string shows = key.shows;
    if (key.each_scheme)
        shows += std::string(" ") + schemeName(kAllSchemes[schemeIndex]);
    return shows;
}

// A "|" in a value shown as written shows as itself.
void lintShownValue(const IniFile& ini, const std::string& section, const generale::Key& key,
                    std::size_t schemeIndex, const std::string& file, std::vector<Finding>& out)
{
    const std::string name = generale::keyName(key, schemeIndex);
    if (key.shown != generale::Shown::AsWritten || ini.lineOf(section, name) == 0)
        return;
    if (ini.readString(section, name, "").find('|') != std::string::npos) {
        out.push_back(warning("pipe-shown", file, ini.lineOf(section, name),
                              "in " + name + " il segno «|» non va a capo: " + whatShows(key, schemeIndex) +
                                  " lo mostra così com'è."));
    }
}

}  // namespace

std::string findGenerale(const std::string& folder)
{
    return findResourceFile(folder, generale::kFileName);
}

int offeredProblems(int max)
{
    return std::clamp(max, 1, kMaxProblems);
}

std::string caseMismatch(const std::string& name, const std::string& found, const std::string& folder)
{
    std::string base = folder;
    if (!base.empty() && base.back() == '\\')
        base.back() = '/';
    if (!base.empty() && base.back() != '/')
        base += '/';
    const std::string relative = found.compare(0, base.size(), base) == 0 ? found.substr(base.size()) : found;
    if (relative == name)
        return std::string();
    return quote(name) + " non è scritto esattamente come il file " + quote(relative) +
           " (maiuscole, minuscole o barre diverse): Quorvia lo trova lo stesso, ma una copia della "
           "cartella su un altro sistema, o un altro programma, potrebbe non trovarlo. Scrivi il nome "
           "come quello del file.";
}

GeneraleLint lintGenerale(const std::string& folder)
{
    GeneraleLint lint;
    const std::string path = findGenerale(folder);
    lint.file = fileNameOf(path);
    std::vector<Finding>& out = lint.findings;
    const std::string mismatch = caseMismatch(generale::kFileName, path, folder);
    if (!mismatch.empty())
        out.push_back(warning("file-case", lint.file, 0, mismatch));

    const IniFile ini = IniFile::read(path);
    KnownNames known;
    known.section = generale::knownSection;
    known.key = knownMainKey;
    const IniOutline outline = readOutline(path);
    lint.encoding = encodingName(outline);
    if (!addFileFindings(outline, lint.file, out))
        return lint;
    addStructureFindings(outline, lint.file, known, out);

    const int programLine = ini.lineOf(kProgramSection);
    for (const generale::Key& key : generale::kKeys) {
        if (key.place != generale::Place::Program)
            continue;
        const std::size_t count = key.each_scheme ? kAllSchemes.size() : 1;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string name = generale::keyName(key, i);
            const int line = ini.lineOf(kProgramSection, name);
            if (line == 0) {
                if (key.required) {
                    out.push_back(error("missing-key", lint.file, programLine,
                                        "manca la chiave " + name + " nella sezione [" + kProgramSection +
                                            "]: " + whatShows(key, i) + " mostrerebbe «" + key.fallback +
                                            "»."));
                }
                continue;
            }
            lintShownValue(ini, kProgramSection, key, i, lint.file, out);
        }
    }

    const std::string pin = generale::read(ini, generale::kTeacherPin);
    if (!pin.empty() && !isPinHash(QString::fromStdString(pin))) {
        out.push_back(warning("pin-format", lint.file, ini.lineOf(kProgramSection, generale::kTeacherPin.name),
                              std::string(generale::kTeacherPin.name) +
                                  " non è un PIN cifrato (sha256:...): nessun PIN apre l'area insegnante. "
                                  "Copia la riga che l'area dà quando si imposta un PIN."));
    }

    for (const Mode mode : generale::kModes) {
        const std::string section = generale::modeSection(mode);
        const int sectionLine = ini.lineOf(section);
        if (!ini.sectionExists(section)) {
            out.push_back(error("missing-section", lint.file, 0,
                                "manca la sezione [" + section + "]: nel modo " + modeName(mode) +
                                    " nessuno schema ha un file di problemi."));
            continue;
        }
        lintShownValue(ini, section, generale::kModeLabel, 0, lint.file, out);
        for (std::size_t i = 0; i < kAllSchemes.size(); ++i) {
            const std::string fileKey = generale::keyName(generale::kProblemFile, i);
            const std::string maxKey = generale::keyName(generale::kProblemCount, i);
            NamedProblemFile named;
            named.mode = mode;
            named.scheme = kAllSchemes[i];
            named.section = section;
            named.index = static_cast<int>(i) + 1;
            named.section_line = sectionLine;
            named.name = generale::read(ini, generale::kProblemFile, mode, i);
            named.name_line = ini.lineOf(section, fileKey);
            named.max_text = ini.readString(section, maxKey, "");
            named.max_line = ini.lineOf(section, maxKey);
            named.max = ini.readInteger(section, maxKey, 1);
            // A value that is no number reads as the default, whichever it is.
            named.max_valid = named.max_line == 0 || named.max == ini.readInteger(section, maxKey, 2);
            if (named.name.empty()) {
                out.push_back(error("missing-key", lint.file, named.name_line ? named.name_line : sectionLine,
                                    "nella sezione [" + named.section + "] manca il nome del file " + fileKey +
                                        ": nel modo " + modeName(mode) + " lo schema " +
                                        schemeName(named.scheme) + " mostrerebbe «???» e nessun problema."));
                continue;
            }
            lint.problem_files.push_back(named);
        }
    }
    return lint;
}

}  // namespace quorvia::check
