// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/generale_lint.h"

#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "content/decimal_separator_choice.h"
#include "content/ini_file.h"
#include "content/resource_path.h"
#include "progress/progress_folder.h"
#include "shell/read_aloud_switch.h"

#include <algorithm>
#include <array>

namespace quorvia::check {

namespace {

constexpr const char* kProgramSection = "AREA_PROGRAMMA";

struct MainKey {
    const char* name;
    const char* fallback;
    bool breaks;
    const char* shows;  // what shows the value, for the teacher
};

constexpr MainKey kMainKeys[] = {
    {"BTN_FINE", "?", false, "il pulsante per uscire"},
    {"BTN_INIZIO", "?", false, "il pulsante per iniziare"},
    {"LBL_NOME", "?", false, "la cornice del nome"},
    {"LBL_PROBLEMA", "?", false, "la scritta davanti al numero del problema"},
    {"BTN_INTRO", "?", false, "il pulsante dell'aiuto"},
    {"MSG_SCEGLI_PROBLEMA", "", false, "il titolo"},
    {"MSG_LAVAGNA", "???", true, "la lavagna"},
    {"LEV1", "", false, "il nome dello schema 3"},
    {"LEV2", "", false, "il nome dello schema 4a"},
    {"LEV3", "", false, "il nome dello schema 4b"},
    {"LEV4", "", false, "il nome dello schema 5"},
};

struct ModeSection {
    const char* name;
    Mode mode;
};
constexpr ModeSection kModeSections[] = {{"PRINCIPIANTE", Mode::Beginner}, {"AVANZATO", Mode::Advanced}};

bool knownMainKey(const std::string& section, const std::string& key)
{
    if (section == kProgramSection) {
        // Its value is looked at with the rest of the decimal separator.
        if (key == kDecimalSeparatorKey)
            return true;
        // Read by the progress records, not by the windows.
        if (key == progress::kProgressFolderKey)
            return true;
        // Read once at start-up by the main window's read-aloud switch.
        if (key == kReadAloudKey)
            return true;
        // Read by the main window's panel of the child's own path.
        if (key == progress::kChildPathKey)
            return true;
        return std::any_of(std::begin(kMainKeys), std::end(kMainKeys),
                           [&](const MainKey& k) { return key == k.name; });
    }
    if (key == "LABEL")
        return true;
    for (int n = 1; n <= 4; ++n) {
        if (key == "INI_FILE" + std::to_string(n) || key == "MAX" + std::to_string(n))
            return true;
    }
    return false;
}

}  // namespace

std::string findGenerale(const std::string& folder)
{
    return findResourceFile(folder, "GENERALE.INI");
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
    const std::string mismatch = caseMismatch("GENERALE.INI", path, folder);
    if (!mismatch.empty())
        out.push_back(warning("file-case", lint.file, 0, mismatch));

    const IniFile ini = IniFile::read(path);
    KnownNames known;
    known.section = [](const std::string& section) {
        return section == kProgramSection || section == "PRINCIPIANTE" || section == "AVANZATO";
    };
    known.key = knownMainKey;
    const IniOutline outline = readOutline(path);
    lint.encoding = encodingName(outline);
    if (!addFileFindings(outline, lint.file, out))
        return lint;
    addStructureFindings(outline, lint.file, known, out);

    const int programLine = ini.lineOf(kProgramSection);
    for (const MainKey& key : kMainKeys) {
        const int line = ini.lineOf(kProgramSection, key.name);
        if (line == 0) {
            if (key.fallback[0] == '?') {
                out.push_back(error("missing-key", lint.file, programLine,
                                    std::string("manca la chiave ") + key.name + " nella sezione [" +
                                        kProgramSection + "]: " + key.shows + " mostrerebbe «" +
                                        key.fallback + "»."));
            }
            continue;
        }
        const std::string value = ini.readString(kProgramSection, key.name, "");
        if (!key.breaks && value.find('|') != std::string::npos) {
            out.push_back(warning("pipe-shown", lint.file, line,
                                  std::string("in ") + key.name + " il segno «|» non va a capo: " +
                                      key.shows + " lo mostra così com'è."));
        }
    }

    for (const ModeSection& mode : kModeSections) {
        const int sectionLine = ini.lineOf(mode.name);
        if (!ini.sectionExists(mode.name)) {
            out.push_back(error("missing-section", lint.file, 0,
                                std::string("manca la sezione [") + mode.name + "]: nel modo " +
                                    modeName(mode.mode) + " nessuno schema ha un file di problemi."));
            continue;
        }
        for (std::size_t i = 0; i < kAllSchemes.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            NamedProblemFile named;
            named.mode = mode.mode;
            named.scheme = kAllSchemes[i];
            named.section = mode.name;
            named.index = static_cast<int>(i) + 1;
            named.section_line = sectionLine;
            named.name = ini.readString(mode.name, "INI_FILE" + n, "");
            named.name_line = ini.lineOf(mode.name, "INI_FILE" + n);
            named.max_text = ini.readString(mode.name, "MAX" + n, "");
            named.max_line = ini.lineOf(mode.name, "MAX" + n);
            named.max = ini.readInteger(mode.name, "MAX" + n, 1);
            // A value that is no number reads as the default, whichever it is.
            named.max_valid = named.max_line == 0 ||
                              named.max == ini.readInteger(mode.name, "MAX" + n, 2);
            if (named.name.empty()) {
                out.push_back(error("missing-key", lint.file, named.name_line ? named.name_line : sectionLine,
                                    "nella sezione [" + named.section + "] manca il nome del file INI_FILE" +
                                        n + ": nel modo " + modeName(mode.mode) + " lo schema " +
                                        schemeName(named.scheme) + " mostrerebbe «???» e nessun problema."));
                continue;
            }
            lint.problem_files.push_back(named);
        }
    }
    return lint;
}

}  // namespace quorvia::check
