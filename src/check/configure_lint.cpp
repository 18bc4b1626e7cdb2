// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/configure_lint.h"

#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "content/ini_file.h"
#include "content/resource_path.h"

#include <regex>

namespace quorvia::check {

namespace {

// <control>_S<mode>_L<scheme> holds a label's wording, and a _P<problem>
// after it the colour and font of one problem.
const std::regex kSchemeSection(R"(.+_S[1-3]_L[1-4])");
const std::regex kProblemSection(R"(.+_S[1-3]_L[1-4]_P([1-9]|1[0-9]|20))");

bool isProblemSection(const std::string& upperName)
{
    return std::regex_match(upperName, kProblemSection);
}

bool knownKey(const std::string& section, const std::string& key)
{
    if (isProblemSection(section))
        return key == "NAME" || key == "COLOR" || key == "FONT";
    return key == "CAPTION" || key == "FONT";
}

}  // namespace

ConfigureLint lintConfigure(const std::string& folder)
{
    ConfigureLint lint;
    const std::string path = findResourceFile(folder, "CONFIGURE.INI");
    if (path.empty())
        return lint;
    lint.file = fileNameOf(path);
    const IniOutline outline = readOutline(path);
    lint.encoding = encodingName(outline);
    if (!addFileFindings(outline, lint.file, lint.findings))
        return lint;
    KnownNames known;
    known.section = [](const std::string& section) {
        return isProblemSection(section) || std::regex_match(section, kSchemeSection);
    };
    known.key = knownKey;
    addStructureFindings(outline, lint.file, known, lint.findings);

    const IniFile ini = IniFile::read(path);
    for (const std::string& section : ini.sectionNames()) {
        if (!isProblemSection(upperAscii(section)) || ini.lineOf(section, "COLOR") == 0)
            continue;
        // A value that is no number reads as the default, whichever it is.
        if (ini.readInteger(section, "COLOR", 1) == ini.readInteger(section, "COLOR", 2))
            continue;
        lint.findings.push_back(warning("color-invalid", lint.file, ini.lineOf(section, "COLOR"),
                                        "COLOR=" + ini.readString(section, "COLOR", "") +
                                            " nella sezione [" + section +
                                            "] non è un numero: la scritta diventerebbe rossa."));
    }
    return lint;
}

}  // namespace quorvia::check
