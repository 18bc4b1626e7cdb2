// SPDX-License-Identifier: GPL-3.0-or-later
// Quorvia: start-up. The splash, the main window, the score window and the
// exercise windows are created once and live until the end of the run.

#include "app/program_hooks.h"
#include "base/progress_folder.h"
#include "base/resource_folder.h"
#include "content/decimal_separator_choice.h"
#include "evaluator/decimal_number.h"
#include "editor/problem_editor.h"
#include "exercise/exercise_windows.h"
#include "exercise/progress_journal.h"
#include "platform/application.h"
#include "platform/speech.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "base/version.h"
#include "platform/wheel_to_arrows.h"
#include "shell/child_path_panel.h"
#include "shell/locale_separator.h"
#include "shell/main_window.h"
#include "shell/program_command_line.h"
#include "shell/score_window.h"
#include "shell/splash_screen.h"
#include "teacher/teacher_area.h"

#ifdef QUORVIA_TEST_HOOKS
#include "app/ready_probe.h"
#include "app/restyle_probe.h"
#endif

#include <QIcon>
#include <QLocale>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

// --help, --version and a bad command line end the program before any
// window: the exit status, or nothing when the program is to run.
std::optional<int> answerCommandLine(const quorvia::ProgramCommandLine& line)
{
    if (!line.error.isEmpty()) {
        std::cerr << "quorvia: " << line.error.toStdString() << "\n\n"
                  << quorvia::programUsageText().toStdString();
        return 2;
    }
    if (line.help) {
        std::cout << quorvia::programUsageText().toStdString();
        return 0;
    }
    if (line.version) {
        std::cout << "quorvia " << quorvia::versionText().toStdString() << '\n';
        return 0;
    }
    // A folder the teacher named must be there: a program full of "?"
    // would not say why.
    const QString chosen = quorvia::chosenResourceFolder(line.folder);
    if (const QString problem = quorvia::folderProblem(chosen); !chosen.isEmpty() && !problem.isEmpty()) {
        const std::string source =
            line.folder.isEmpty() ? quorvia::kResourceVariable : quorvia::kResourceOption.toStdString();
        std::cerr << "quorvia: " << source << ": " << problem.toStdString() << '\n';
        return 2;
    }
    return std::nullopt;
}

// --help, --version and a command line of ours alone that is wrong are
// answered before the window system is touched: over ssh or in a script
// there is none. A single-dash option may be Qt's own (-platform, -style),
// which only the application takes out, so such a line waits for it.
std::optional<int> answerBeforeWindows(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(QLatin1Char('-')) && !argument.startsWith(QLatin1String("--")) &&
            argument != QLatin1String("-h"))
            return std::nullopt;
        arguments << argument;
    }
    const quorvia::ProgramCommandLine line = quorvia::parseProgramCommandLine(arguments);
    if (line.error.isEmpty() && !line.help && !line.version)
        return std::nullopt;
    return answerCommandLine(line);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = answerBeforeWindows(argc, argv))
        return *status;
    quorvia::platform::Application app(argc, argv);
    const quorvia::ProgramCommandLine line =
        quorvia::parseProgramCommandLine(QApplication::arguments().mid(1));
    if (const std::optional<int> status = answerCommandLine(line))
        return *status;
    // The run ends when the main window closes, never because the last
    // visible window went away (the main window hides while an exercise runs).
    QApplication::setQuitOnLastWindowClosed(false);
    quorvia::platform::WheelToArrows::installOnApplication();

    // Qt's own dialogs in the user's language, Italian where none is set.
    quorvia::platform::installQtTranslations(QLocale::system());
    const quorvia::FolderInForce resources_in_force = quorvia::resourceFolderInForce(line.folder);
    const QString resources = resources_in_force.folder;
    // Decided once for the whole run: the folder's GENERALE.INI says how its
    // numbers are written, else the user's locale decides.
    quorvia::setDecimalSeparator(
        quorvia::chooseDecimalSeparator(resources.toStdString(), quorvia::localeDecimalSeparator()).separator);
    const QString logo = quorvia::resourceFile(resources, QStringLiteral("logo.png"));
    if (!logo.isEmpty())
        QApplication::setWindowIcon(QIcon(logo));
    if (line.editor) {
        QApplication::setApplicationName(QStringLiteral("Quorvia"));
        QGuiApplication::setDesktopFileName(QStringLiteral(QUORVIA_APP_ID));
        QApplication::setQuitOnLastWindowClosed(true);
        quorvia::editor::ProblemEditor editor(resources);
        editor.setLocaleSeparator(quorvia::localeDecimalSeparator());
        editor.show();
        return app.exec();
    }
    // One problem editor for the run, opened from the teacher's area at the
    // problem and key of a finding, or where it was left.
    std::unique_ptr<quorvia::editor::ProblemEditor> editor_window;
    const auto open_editor = [&editor_window, resources](quorvia::Mode mode, quorvia::Scheme scheme, int problem,
                                                         const QString& key) {
        if (!editor_window) {
            editor_window = std::make_unique<quorvia::editor::ProblemEditor>(resources);
            editor_window->setLocaleSeparator(quorvia::localeDecimalSeparator());
            problem = std::max(problem, 1);
        }
        if (problem > 0)
            editor_window->openAt(mode, scheme, problem, key);
        editor_window->show();
        editor_window->raise();
        editor_window->activateWindow();
    };
    // The teacher's area, the same from the menu's action and from the main
    // window.
    const quorvia::teacher::TeacherAreaSetup teacher_setup{resources_in_force, quorvia::progressFolderInForce(resources),
                                                          open_editor};
    if (line.teacher) {
        QApplication::setApplicationName(QStringLiteral("Quorvia"));
        QGuiApplication::setDesktopFileName(QStringLiteral(QUORVIA_APP_ID));
        // The run ends when the area and the editor it opened are both closed,
        // each after asking about what it has not saved.
        QApplication::setQuitOnLastWindowClosed(true);
        quorvia::teacher::TeacherAreaLauncher teacher(teacher_setup);
        if (!teacher.open())
            return 0;
        return app.exec();
    }
    // The voice answers in its own time, the first time after a login some
    // seconds later: started before the splash, it has the splash's wait to
    // get there, and the windows show their read-aloud controls when it does.
    quorvia::platform::startSystemSpeech();
    {
        quorvia::TFrmSplashScreen splash(resources);
        splash.showBlocking(2000);
    }
    // The application's name, not its display name: a display name would
    // be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Quorvia"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVIA_APP_ID));
    // Before the main window, which reads what it writes until its end.
    quorvia::ProgressJournal journal(quorvia::progressFolder(resources));
    quorvia::TForm1 main_window(resources);
    quorvia::TForm3 score_window(resources);
    main_window.setScoreWindow(&score_window);
    // The child's path is read again after each exercise: its records first.
    main_window.childPath()->setBeforeReading([&journal] { journal.waitForWrites(); });
    // Appearance settings, worksheets, printing and the children's progress
    // records for every exercise window.
    quorvia::ProgramHooks hooks(main_window, &journal);
    quorvia::createExerciseWindows(main_window, &hooks);
    quorvia::teacher::TeacherAreaLauncher teacher(teacher_setup);
    quorvia::teacher::installTeacherShortcut(main_window, [&teacher, &main_window] { teacher.open(&main_window); });
#ifdef QUORVIA_TEST_HOOKS
    quorvia::scheduleRestyleProbe(main_window);
#endif
    // A shutdown or a logout ends the run as the main window's end does: an
    // exercise open at that moment is recorded as left.
    const quorvia::platform::TerminationSignals termination([] { QCoreApplication::quit(); });
    main_window.show();
#ifdef QUORVIA_TEST_HOOKS
    quorvia::scheduleReadyProbe(main_window);
#endif
    return app.exec();
}
