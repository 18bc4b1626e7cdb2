// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/folder_check.h"

#include "base/resource_folder.h"
#include "check/configure_lint.h"
#include "check/generale_lint.h"
#include "check/lint_common.h"
#include "check/media_check.h"
#include "check/problem_lint.h"
#include "check/problem_solver.h"
#include "check/separator_lint.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "content/resource_path.h"
#include "evaluator/decimal_number.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "platform/fakes.h"
#include "platform/pictures.h"
#include "shell/main_window.h"

#include <algorithm>

namespace quorvia::check {

namespace {

// The windows' questions (leave the problem? close?) are answered Yes, so
// that nothing the solver does is held up by one.
class AnsweringDialogs : public platform::ScriptedDialogs {
public:
    bool askYesNo(QWidget* parent, const QString& text) override
    {
        platform::ScriptedDialogs::askYesNo(parent, text);
        return true;
    }
};

// The check may run inside the program (the teacher's area) or under a
// test's scripted dialogs: whatever answered before answers again after it.
class ScopedDialogs {
public:
    explicit ScopedDialogs(platform::Dialogs* dialogs) : previous_(&platform::dialogs())
    {
        platform::setDialogs(dialogs);
    }
    ~ScopedDialogs() { platform::setDialogs(previous_); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    platform::Dialogs* previous_;
};

class ScopedSilence {
public:
    ScopedSilence() : previous_(&platform::soundService()) { platform::setSoundService(&silent_); }
    ~ScopedSilence() { platform::setSoundService(previous_); }
    ScopedSilence(const ScopedSilence&) = delete;
    ScopedSilence& operator=(const ScopedSilence&) = delete;

private:
    platform::SoundService* previous_;
    platform::RecordingSoundService silent_;
};

void checkPicture(const std::string& folder, const std::string& file, const IniFile& ini, int problem,
                  const ProblemContent& content, std::vector<Finding>& out)
{
    if (content.picture.empty())
        return;
    const std::string found = findResourceFile(folder, content.picture);
    if (found.empty())
        return;
    const int line = ini.lineOf("PROBLEMA_" + std::to_string(problem), "JPG_PROBLEMA");
    switch (platform::inspectPicture(QString::fromStdString(found))) {
    case platform::MediaState::Whole: return;
    case platform::MediaState::Damaged:
        out.push_back(warning("picture-damaged", file, line,
                              "l'immagine " + quote(content.picture) +
                                  " è tagliata o rovinata: il bambino ne vedrebbe una parte grigia."));
        return;
    case platform::MediaState::Unreadable:
        out.push_back(warning("picture-unreadable", file, line,
                              "l'immagine " + quote(content.picture) +
                                  " c'è, ma non si riesce a leggerla: il bambino non la vedrebbe."));
        return;
    }
}

void solveProblem(ProblemReport& problem, const IniFile& ini, const std::string& file, const std::string& folder,
                  const std::string& fileName, Scheme scheme, int max, ProblemSolver& solver)
{
    if (!ini.sectionExists("PROBLEMA_" + std::to_string(problem.number))) {
        // Nothing to solve: the lint has said the section is missing.
        problem.outcome = Outcome::NotSolved;
        return;
    }
    const ProblemContent content = readProblem(ini, problem.number, scheme);
    checkPicture(folder, file, ini, problem.number, content, problem.findings);

    ExerciseLaunch launch;
    launch.resource_folder = QString::fromStdString(folder);
    launch.problem_file_name = QString::fromStdString(fileName);
    launch.current_problem = problem.number;
    launch.problem_count = max;
    launch.scheme_code = schemeCode(scheme);
    const SolveResult result = solver.solve(launch, content);

    problem.outcome = result.solved ? Outcome::Solved : Outcome::NotSolved;
    problem.failed_step = result.failed_step;
    if (!result.solved) {
        problem.findings.push_back(
            error("not-solvable", file, 0, "il problema non si può finire: " + result.reason));
    }
    const std::string section = "PROBLEMA_" + std::to_string(problem.number);
    for (const UnshownMessage& unshown : result.unshown) {
        problem.findings.push_back(error("mistake-message", file, ini.lineOf(section, unshown.key),
                                         unshown.description));
    }
    std::vector<std::string> told;
    for (const std::string& message : result.messages) {
        if (std::find(told.begin(), told.end(), message) != told.end())
            continue;
        told.push_back(message);
        problem.findings.push_back(error("window-message", file, 0,
                                         "la finestra mostra al bambino il messaggio " + quote(message) + "."));
    }
}

void solveProblems(ProblemFileReport& report, const std::string& path, const std::string& folder,
                   ExerciseWindow& window, platform::ScriptedDialogs& dialogs, const ProgressCallback& progress,
                   int max)
{
    const std::string file = fileNameOf(path);
    const IniFile ini = IniFile::read(path);
    ProblemSolver solver(window, dialogs);
    for (ProblemReport& problem : report.problems) {
        if (progress)
            progress(file + ", problema " + std::to_string(problem.number));
        solveProblem(problem, ini, file, folder, report.file_name, report.scheme, max, solver);
    }
}

}  // namespace

namespace {

CheckReport runCheck(const QString& folder, char localeSeparator, TForm1& main,
                     platform::ScriptedDialogs& dialogs, const ProgressCallback& progress)
{
    const QString resources = withTrailingSeparator(folder);
    const std::string base = resources.toStdString();
    CheckReport report;
    report.folder = base;
    // The program decides the same way at start-up.
    const DecimalSeparatorChoice separator = chooseDecimalSeparator(base, localeSeparator);
    const ScopedDecimalSeparator inForce(separator.separator);
    report.decimal_separator = separator.separator;
    report.decimal_separator_source = separator.source;

    if (progress)
        progress("GENERALE.INI");
    const GeneraleLint general = lintGenerale(base);
    report.general = general.findings;
    for (Finding& finding : lintDecimalSeparator(base, general, separator))
        report.general.push_back(std::move(finding));
    // Each file once, though two windows may share one.
    const auto noteEncoding = [&report](const std::string& file, const std::string& encoding) {
        const bool noted = std::any_of(report.encodings.begin(), report.encodings.end(),
                                       [&](const FileEncoding& e) { return e.file == file; });
        if (!file.empty() && !encoding.empty() && !noted)
            report.encodings.push_back({file, encoding});
    };
    noteEncoding(general.file, general.encoding);

    for (const NamedProblemFile& named : general.problem_files) {
        if (progress)
            progress(named.name);
        ProblemFileLint lint = lintProblemFile(base, general.file, named);
        ProblemFileReport& file = lint.report;
        noteEncoding(fileNameOf(lint.path.empty() ? named.name : lint.path), lint.encoding);
        auto* window = dynamic_cast<ExerciseWindow*>(main.exerciseWindow(named.mode, named.scheme));
        if (!window) {
            file.findings.push_back(error("no-window", general.file, named.name_line,
                                          std::string("finestra non disponibile: questa versione di Quorvia "
                                                      "non ha la finestra dello schema ") +
                                              schemeName(named.scheme) + " nel modo " + modeName(named.mode) +
                                              ", quindi i suoi problemi non si possono provare."));
        } else if (!lint.path.empty()) {
            main.LOAD_WAV_GIF(window);
            solveProblems(file, lint.path, base, *window, dialogs, progress, named.max);
        }
        report.files.push_back(std::move(file));
    }

    if (progress)
        progress("CONFIGURE.INI");
    const ConfigureLint configure = lintConfigure(base);
    report.other_files = configure.findings;
    noteEncoding(configure.file, configure.encoding);
    if (progress)
        progress("animazioni e suoni");
    const std::vector<Finding> media = checkProgramMedia(base);
    report.other_files.insert(report.other_files.end(), media.begin(), media.end());
    return report;
}

}  // namespace

CheckReport checkResourceFolder(const QString& folder, char localeSeparator, const ProgressCallback& progress)
{
    AnsweringDialogs dialogs;
    ScopedDialogs installed(&dialogs);
    ScopedSilence silence;
    // The program's own main window and exercise windows, never shown: the
    // solver opens each exercise window as the main window's start button does.
    TForm1 main(withTrailingSeparator(folder));
    createExerciseWindows(main);
    return runCheck(folder, localeSeparator, main, dialogs, progress);
}

CheckReport checkResourceFolder(const QString& folder, char localeSeparator, TForm1& main,
                                const ProgressCallback& progress)
{
    AnsweringDialogs dialogs;
    ScopedDialogs installed(&dialogs);
    ScopedSilence silence;
    return runCheck(folder, localeSeparator, main, dialogs, progress);
}

ProblemReport checkOneProblem(const QString& folder, char localeSeparator, Mode mode, Scheme scheme,
                              const std::string& fileName, int problem, int max)
{
    AnsweringDialogs dialogs;
    ScopedDialogs installed(&dialogs);
    platform::ScopedFakeSound silence;
    const QString resources = withTrailingSeparator(folder);
    const std::string base = resources.toStdString();
    const ScopedDecimalSeparator inForce(chooseDecimalSeparator(base, localeSeparator).separator);

    ProblemReport report{problem, Outcome::NotTried, 0, {}};
    const std::string path = findResourceFile(base, fileName);
    if (path.empty())
        return report;
    const std::string file = fileNameOf(path);
    const IniFile ini = IniFile::read(path);
    if (ini.sectionExists("PROBLEMA_" + std::to_string(problem)))
        lintProblem(ini, file, base, mode, scheme, problem, report.findings);
    TForm1 main(resources);
    ExerciseWindow* window = createExerciseWindow(scheme, mode, &main, &main);
    if (!window)
        return report;
    // Solved out of sight, as in the headless check, even on a screen.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    main.LOAD_WAV_GIF(window);
    ProblemSolver solver(*window, dialogs);
    solveProblem(report, ini, file, base, fileName, scheme, max, solver);
    return report;
}

}  // namespace quorvia::check
