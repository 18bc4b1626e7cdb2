// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/problem_lint.h"

#include "check/formula_lint.h"
#include "check/ini_outline.h"
#include "check/lint_common.h"
#include "check/mistake_lint.h"
#include "check/problem_keys.h"
#include "content/normalize_answer.h"
#include "content/problem_file.h"
#include "content/resource_path.h"
#include "content/text_encoding.h"

#include <algorithm>

namespace quorvia::check {

namespace {

constexpr const char* kProgramSection = "AREA_PROGRAMMA";
constexpr const char* kProblemPrefix = "PROBLEMA_";

// The n of "PROBLEMA_<n>" written as the program writes it (no sign, no
// leading zero); 0 for any other name.
int problemNumberOf(const std::string& upperName)
{
    const std::string prefix = kProblemPrefix;
    if (upperName.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string digits = upperName.substr(prefix.size());
    if (digits.empty() || digits.size() > 4 || digits[0] == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(digits);
}

bool keyKnown(const std::vector<KeyInfo>& keys, const std::string& upperName)
{
    return std::any_of(keys.begin(), keys.end(), [&](const KeyInfo& k) { return k.name == upperName; });
}

bool pipeMatters(const KeyInfo& key)
{
    switch (key.role) {
    case KeyRole::ProgramText:
    case KeyRole::Caption:
    case KeyRole::Hint:
    case KeyRole::ErrorMessage:
    case KeyRole::Variant:
        return !key.breaks;
    default:
        return false;
    }
}

void lintKeys(const IniFile& ini, const std::string& file, const std::string& section, int sectionLine,
              const std::vector<KeyInfo>& keys, Mode mode, std::vector<Finding>& out)
{
    for (const KeyInfo& key : keys) {
        const int line = ini.lineOf(section, key.name);
        if (line == 0) {
            if (showsPlaceholder(key)) {
                out.push_back(error("missing-key", file, sectionLine,
                                    "manca la chiave " + key.name + ": " + missingConsequence(key, mode) + "."));
            }
            continue;
        }
        const std::string value = ini.readString(section, key.name, "");
        if (value.empty() && showsPlaceholder(key)) {
            out.push_back(warning("empty-value", file, line,
                                  "la chiave " + key.name + " è vuota: al suo posto la finestra non mostra nulla."));
        }
        if (pipeMatters(key) && value.find('|') != std::string::npos) {
            std::string message = "in " + key.name + " il segno «|» non va a capo: la finestra lo mostra così com'è";
            if (key.role == KeyRole::Variant && mode == Mode::Advanced)
                message += " e il bambino dovrebbe scriverlo";
            out.push_back(warning("pipe-shown", file, line, message + "."));
        }
    }
}

void lintVariants(const IniFile& ini, const std::string& file, const std::string& section, Mode mode,
                  Scheme scheme, const ProblemContent& content, std::vector<Finding>& out)
{
    for (int s = 1; s <= stepCount(scheme); ++s) {
        if (variantKey(scheme, s, 1).empty())
            continue;
        const auto& v = content.variants[static_cast<std::size_t>(s)];
        int line[kVariants + 1] = {};
        for (int k = 1; k <= kVariants; ++k)
            line[k] = ini.lineOf(section, variantKey(scheme, s, k));
        const std::string step = stepLabel(scheme, s);

        if (mode == Mode::Beginner) {
            for (int k = 2; k <= kVariants; ++k) {
                if (line[1] && line[k] && v[k] == v[1]) {
                    out.push_back(error("beginner-duplicate", file, line[k],
                                        "nel " + step + " la variante " + std::to_string(k) +
                                            " ripete la frase giusta (variante 1): nell'elenco ci sono due "
                                            "frasi uguali e una delle due viene segnata come errore."));
                }
            }
            continue;
        }
        for (int k = 1; k <= kVariants; ++k) {
            if (!line[k])
                continue;
            const std::size_t length = utf8Length(v[k]);
            if (length > static_cast<std::size_t>(kSentenceBoxLength)) {
                out.push_back(error("sentence-too-long", file, line[k],
                                    "la variante " + std::to_string(k) + " del " + step + " è lunga " +
                                        std::to_string(length) + " caratteri: nella casella ne entrano " +
                                        std::to_string(kSentenceBoxLength) +
                                        ", quindi il bambino non può scriverla tutta."));
            }
            const std::string normalized = NormalizeAnswer(v[k]);
            for (int j = 1; j < k; ++j) {
                if (line[j] && !normalized.empty() && NormalizeAnswer(v[j]) == normalized) {
                    out.push_back(warning("advanced-duplicate", file, line[k],
                                          "nel " + step + " le varianti " + std::to_string(j) + " e " +
                                              std::to_string(k) +
                                              " sono la stessa risposta per la finestra, che non guarda spazi "
                                              "e maiuscole: la variante " + std::to_string(k) +
                                              " non aggiunge un altro modo di scrivere la frase."));
                    break;
                }
            }
        }
    }
}

void lintPicture(const IniFile& ini, const std::string& file, const std::string& folder,
                 const std::string& section, const ProblemContent& content, std::vector<Finding>& out)
{
    if (content.picture.empty())
        return;
    const int line = ini.lineOf(section, "JPG_PROBLEMA");
    const std::string found = findResourceFile(folder, content.picture);
    if (found.empty()) {
        out.push_back(error("missing-picture", file, line,
                            "l'immagine " + quote(content.picture) +
                                " non c'è nella cartella: il bambino vedrebbe l'immagine del problema di prima, "
                                "o nessuna."));
        return;
    }
    const std::string mismatch = caseMismatch(content.picture, found, folder);
    if (!mismatch.empty())
        out.push_back(warning("file-case", file, line, "l'immagine " + mismatch));
    addOutsideFolderFinding(folder, content.picture, found, "l'immagine", file, line, out);
}

void lintMax(const std::string& generaleFile, const NamedProblemFile& named, std::vector<Finding>& out)
{
    const std::string key = "MAX" + std::to_string(named.index);
    const int line = named.max_line ? named.max_line : named.section_line;
    const std::string written = key + "=" + named.max_text;
    if (named.max_line == 0) {
        out.push_back(warning("max-missing", generaleFile, line,
                              "nella sezione [" + named.section + "] manca " + key +
                                  ": Quorvia offre un solo problema di questo file."));
    } else if (!named.max_valid) {
        out.push_back(error("max-invalid", generaleFile, line,
                            written + " non è un numero di problemi: Quorvia offre un solo problema."));
        return;
    }
    if (named.max > kMaxProblems) {
        out.push_back(error("max-too-large", generaleFile, line,
                            written + " supera " + std::to_string(kMaxProblems) +
                                ": una finestra tiene al massimo " + std::to_string(kMaxProblems) +
                                " problemi, gli altri non si possono aprire."));
    } else if (named.max < 1) {
        out.push_back(error("max-too-small", generaleFile, line,
                            written + " deve essere almeno 1: Quorvia offre comunque il problema 1."));
    }
}

}  // namespace

void lintProblem(const IniFile& ini, const std::string& file, const std::string& folder, Mode mode,
                 Scheme scheme, int problem, std::vector<Finding>& out)
{
    const std::string section = kProblemPrefix + std::to_string(problem);
    const int sectionLine = ini.lineOf(section);
    const ProblemContent content = readProblem(ini, problem, scheme);
    lintKeys(ini, file, section, sectionLine, problemKeys(scheme), mode, out);
    lintVariants(ini, file, section, mode, scheme, content, out);
    lintPicture(ini, file, folder, section, content, out);
    lintFormulas(ini, file, problem, scheme, content, out);
    lintMistakeKeys(ini, file, section, mode, scheme, content, out);
}

ProblemFileLint lintProblemFile(const std::string& folder, const std::string& generaleFile,
                                const NamedProblemFile& named)
{
    ProblemFileLint lint;
    ProblemFileReport& report = lint.report;
    report.mode = named.mode;
    report.scheme = named.scheme;
    report.file_name = named.name;
    report.offered = offeredProblems(named.max);
    for (int n = 1; n <= report.offered; ++n)
        report.problems.push_back(ProblemReport{n, Outcome::NotTried, 0, {}});

    lintMax(generaleFile, named, report.findings);

    lint.path = findResourceFile(folder, named.name);
    if (lint.path.empty()) {
        report.findings.push_back(error("missing-file", generaleFile, named.name_line,
                                        "il file " + quote(named.name) +
                                            " non c'è nella cartella: la finestra mostrerebbe «???» e nessun "
                                            "problema si potrebbe risolvere."));
        return lint;
    }
    const std::string mismatch = caseMismatch(named.name, lint.path, folder);
    if (!mismatch.empty())
        report.findings.push_back(warning("file-case", generaleFile, named.name_line, "il file " + mismatch));
    addOutsideFolderFinding(folder, named.name, lint.path, "il file", generaleFile, named.name_line,
                            report.findings);

    const std::string file = fileNameOf(lint.path);
    const IniFile ini = IniFile::read(lint.path);
    const std::vector<KeyInfo> keys = problemKeys(named.scheme);
    KnownNames known;
    known.section = [](const std::string& section) {
        return section == kProgramSection || problemNumberOf(section) > 0;
    };
    known.key = [&keys](const std::string& section, const std::string& key) {
        return section == kProgramSection ? keyKnown(programKeys(), key)
                                          : keyKnown(keys, key) || isMistakeKey(key);
    };
    const IniOutline outline = readOutline(lint.path);
    lint.encoding = encodingName(outline);
    if (!addFileFindings(outline, file, report.findings)) {
        lint.path.clear();  // nothing in it to solve
        return lint;
    }
    addStructureFindings(outline, file, known, report.findings);
    lintKeys(ini, file, kProgramSection, ini.lineOf(kProgramSection), programKeys(), named.mode,
             report.findings);

    const std::string maxKey = "MAX" + std::to_string(named.index);
    for (const std::string& section : ini.sectionNames()) {
        const int n = problemNumberOf(upperAscii(section));
        if (n > report.offered) {
            report.findings.push_back(warning("unused-problem", file, ini.lineOf(section),
                                              "il problema " + std::to_string(n) + " non viene mai mostrato: " +
                                                  maxKey + " in " + generaleFile + " offre " +
                                                  std::to_string(report.offered) + " problemi."));
        }
    }

    for (ProblemReport& problem : report.problems) {
        const std::string section = kProblemPrefix + std::to_string(problem.number);
        if (!ini.sectionExists(section)) {
            problem.findings.push_back(error("missing-section", file, 0,
                                             "manca la sezione [" + section + "], ma " + maxKey + " in " +
                                                 generaleFile + " offre " + std::to_string(report.offered) +
                                                 " problemi: il bambino vedrebbe «???»."));
            continue;
        }
        lintProblem(ini, file, folder, named.mode, named.scheme, problem.number, problem.findings);
    }
    return lint;
}

}  // namespace quorvia::check
