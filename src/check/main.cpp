// SPDX-License-Identifier: GPL-3.0-or-later
// quorvia-check: a teacher's check of a resource folder before the lesson.

#include "base/resource_folder.h"
#include "check/command_line.h"
#include "check/folder_check.h"
#include "check/generale_lint.h"
#include "check/report_format.h"
#include "check/watchdog.h"
#include "platform/application.h"
#include "base/version.h"
#include "shell/locale_separator.h"

#include <QDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

using namespace quorvia::check;

// Longest time one problem may take before the check counts as stuck; a
// problem takes well under a second.
constexpr std::chrono::seconds kStallLimit{120};

int refuse(const QString& message, bool withUsage)
{
    std::cerr << "quorvia-check: " << message.toStdString() << '\n';
    if (withUsage)
        std::cerr << '\n' << usageText().toStdString();
    return static_cast<int>(ExitStatus::BadRequest);
}

// Qt's remarks about the screenless platform ("does not support raise()")
// say nothing about the folder; only its serious messages get through.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietMessages);
    // The windows are driven without ever being shown, on a teacher's
    // desktop as in CI.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quorvia::platform::Application app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const CommandLine line = parseCommandLine(QApplication::arguments().mid(1));
    if (!line.error.isEmpty())
        return refuse(line.error, true);
    if (line.help) {
        std::cout << usageText().toStdString();
        return static_cast<int>(ExitStatus::Passed);
    }
    if (line.version) {
        std::cout << "quorvia-check " << quorvia::versionText().toStdString() << '\n';
        return static_cast<int>(ExitStatus::Passed);
    }

    const QString chosen = quorvia::chosenResourceFolder(line.folder);
    const QString folder = chosen.isEmpty() ? quorvia::applicationResourceFolder() : chosen;
    if (const QString problem = quorvia::folderProblem(folder); !problem.isEmpty())
        return refuse(problem, false);
    const QString absolute = quorvia::withTrailingSeparator(QDir(folder).absolutePath());
    if (findGenerale(absolute.toStdString()).empty()) {
        return refuse(QStringLiteral("%1 non è una cartella di risorse di Quorvia: manca GENERALE.INI").arg(absolute),
                      false);
    }

    Watchdog watchdog(kStallLimit, [](const std::string& work) {
        std::fprintf(stderr, "quorvia-check: il controllo è fermo da più di %lld secondi su %s: quel problema "
                             "blocca la finestra.\n",
                     static_cast<long long>(kStallLimit.count()), work.c_str());
        std::fflush(stderr);
        std::_Exit(static_cast<int>(ExitStatus::Failed));
    });
    // This machine's locale, so that the numbers are checked as the children
    // here will type them unless the folder fixes the separator.
    const CheckReport report = checkResourceFolder(absolute, quorvia::localeDecimalSeparator(),
                                                   [&watchdog](const std::string& work) { watchdog.beat(work); });

    std::cout << (line.json ? formatJson(report) : formatText(report));
    std::cout.flush();
    return static_cast<int>(report.passed() ? ExitStatus::Passed : ExitStatus::Failed);
}
