// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_harness.h"

#include "launch_bench.h"
#include "program_windows.h"

#include "evaluator/decimal_number.h"
#include "platform/application.h"
#include "platform/wheel_to_arrows.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>


#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>

namespace quorvia::bench {

namespace {

constexpr const char* kArgument = "--harness=";
constexpr int kSettleMs = 1000;   // start-up work done before idling is measured
constexpr int kIdleMs = 10000;

// CPU time of every thread of the process, to the nanosecond. getrusage
// and /proc/self/stat count in scheduler ticks, too coarse for a process
// that wakes for a fraction of a millisecond tens of times a second.
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024;
    }
    return -1;
}

// The child's answer; ends the process at once, with no teardown to time.
[[noreturn]] void answer(double value)
{
    std::printf("%.17g\n", value);
    std::fflush(stdout);
    std::_Exit(0);
}

// The application as the program sets it up.
struct ProgramApplication {
    ProgramApplication(int& argc, char** argv) : app(argc, argv)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        platform::WheelToArrows::installOnApplication();
        setDecimalSeparator(',');
    }
    platform::Application app;
};

// Measures the CPU used from kSettleMs after now, for kIdleMs, then answers.
void measureIdleFromNow()
{
    auto* wall = new QElapsedTimer;
    auto* cpuAtStart = new double(0);
    QTimer::singleShot(kSettleMs, Qt::PreciseTimer, [=] {
        wall->start();
        *cpuAtStart = cpuSeconds();
    });
    QTimer::singleShot(kSettleMs + kIdleMs, Qt::PreciseTimer, [=] {
        const double cpu = cpuSeconds() - *cpuAtStart;
        answer(100.0 * cpu / (double(wall->nsecsElapsed()) / 1e9));
    });
}

int coldCreation(int& argc, char** argv)
{
    ProgramApplication program(argc, argv);
    QElapsedTimer timer;
    timer.start();
    ProgramWindows windows = createProgramWindows(bundledResources());
    answer(double(timer.nsecsElapsed()) / 1e9);
}

int idleMain(int& argc, char** argv)
{
    ProgramApplication program(argc, argv);
    ProgramWindows windows = createProgramWindows(bundledResources());
    windows.main->show();
    measureIdleFromNow();
    return program.app.exec();
}

int idleExercise(int& argc, char** argv)
{
    ProgramApplication program(argc, argv);
    ProgramWindows windows = createProgramWindows(bundledResources());
    windows.main->show();
    // The start button with the main window's first choice (beginner mode,
    // scheme 3, problem 1); the window stays up, modal, while it is measured.
    QTimer::singleShot(0, [&windows] {
        measureIdleFromNow();
        windows.main->LMD3Click(windows.main->findChild<QPushButton*>(QStringLiteral("LMD5")));
    });
    return program.app.exec();
}

int peakProgram(int& argc, char** argv)
{
    ProgramApplication program(argc, argv);
    ProgramWindows windows = createProgramWindows(bundledResources());
    windows.main->show();
    QApplication::processEvents();
    loadProblemInEach(windows);
    QApplication::processEvents();
    answer(peakResidentBytes());
}

// Start-up as a child meets it: every window made, the main window shown and
// animating for a second (its animations keep their frames once played).
int peakStartup(int& argc, char** argv)
{
    ProgramApplication program(argc, argv);
    ProgramWindows windows = createProgramWindows(bundledResources());
    windows.main->show();
    QTimer::singleShot(1000, [] { answer(peakResidentBytes()); });
    return program.app.exec();
}

int peakBare(int& argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Ciao")));
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    window.repaint();
    QApplication::processEvents();
    answer(peakResidentBytes());
}

const std::map<QString, int (*)(int&, char**)>& harnesses()
{
    static const std::map<QString, int (*)(int&, char**)> table = {
        {QStringLiteral("cold-creation"), &coldCreation}, {QStringLiteral("idle-main"), &idleMain},
        {QStringLiteral("idle-exercise"), &idleExercise}, {QStringLiteral("peak-program"), &peakProgram},
        {QStringLiteral("peak-bare"), &peakBare}, {QStringLiteral("peak-startup"), &peakStartup},
        {QStringLiteral("launch-bare"), &launchBare},
    };
    return table;
}

}  // namespace

std::optional<int> runHarnessIfAsked(int& argc, char** argv)
{
    if (argc < 2 || std::strncmp(argv[1], kArgument, std::strlen(kArgument)) != 0)
        return std::nullopt;
    const QString name = QString::fromLocal8Bit(argv[1] + std::strlen(kArgument));
    const auto harness = harnesses().find(name);
    if (harness == harnesses().end()) {
        std::fprintf(stderr, "no harness named %s\n", qPrintable(name));
        return 2;
    }
    return harness->second(argc, argv);
}

std::optional<double> measureInChild(const QString& name, QString* error)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QLatin1String(kArgument) + name});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        *error = name + QStringLiteral(": no answer");
        return std::nullopt;
    }
    bool ok = false;
    const double value = child.readAllStandardOutput().trimmed().split('\n').last().toDouble(&ok);
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || !ok) {
        *error = name + QStringLiteral(": failed");
        return std::nullopt;
    }
    return value;
}

}  // namespace quorvia::bench
