// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch_bench.h"

#include "bench_table.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <optional>

#include <sys/types.h>

namespace quorvia::bench {

namespace {

constexpr int kRepetitions = 3;

// The splash the program shows by design, and what the window may take
// beyond it.
constexpr double kSplashSeconds = 2.0;
constexpr double kAfterSplashSeconds = 0.3;

// A speech daemon of the benchmark's own: its sockets and pid file live in a
// runtime folder of its own, so the daemon of the desktop (or of anyone
// else on the machine) is never touched, and "cold" means no daemon there.
class SpeechRuntime {
public:
    QString folder() const { return folder_.path(); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder());
        return env;
    }

    // Starts the daemon and waits until it takes clients.
    bool warmUp()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (daemon.isEmpty())
            return false;
        QProcess start;
        start.setProcessEnvironment(environment());
        // Forks into the background; lives a minute past its last client.
        start.start(daemon, {QStringLiteral("--timeout"), QStringLiteral("60")});
        start.waitForFinished(30000);
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket()) && waited.elapsed() < 30000)
            QThread::msleep(20);
        return QFile::exists(socket());
    }

    // Ends the daemon a launch or warmUp started here, by its own pid file.
    void stopDaemon()
    {
        QFile pidFile(folder() + QStringLiteral("/speech-dispatcher/pid/speech-dispatcher.pid"));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        bool ok = false;
        const qint64 pid = pidFile.readAll().trimmed().toLongLong(&ok);
        pidFile.close();
        if (!ok || pid <= 1 || ::kill(pid_t(pid), SIGTERM) != 0)
            return;
        QElapsedTimer waited;
        waited.start();
        while (::kill(pid_t(pid), 0) == 0 && waited.elapsed() < 5000)
            QThread::msleep(20);
    }

    ~SpeechRuntime() { stopDaemon(); }

private:
    QString socket() const { return folder() + QStringLiteral("/speech-dispatcher/speechd.sock"); }
    QTemporaryDir folder_;
};

// Seconds from starting `program` to its "pronta" on stdout.
std::optional<double> timeLaunch(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& env, QString* error)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray out;
    std::optional<double> seconds;
    while (timer.elapsed() < 60000) {
        if (!child.waitForReadyRead(60000 - int(timer.elapsed())))
            break;
        out += child.readAllStandardOutput();
        if (out.contains("pronta")) {
            seconds = double(timer.nsecsElapsed()) / 1e9;
            break;
        }
    }
    if (!child.waitForFinished(10000)) {
        child.kill();
        child.waitForFinished();
    }
    if (!seconds)
        *error = program + QStringLiteral(": never took typing");
    return seconds;
}

QString programBeside(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

enum class Daemon { Cold, Warm };

void addLaunchRow(const std::string& row, Daemon daemon, bool bare)
{
    add(row, [daemon, bare](benchmark::State& state) {
        for (auto _ : state) {
            SpeechRuntime runtime;
            if (daemon == Daemon::Warm && !runtime.warmUp()) {
                state.SkipWithError("speech-dispatcher does not start");
                return;
            }
            QProcessEnvironment env = runtime.environment();
            env.insert(QStringLiteral("QUORVIA_TEST_READY"), QStringLiteral("1"));
            env.insert(QStringLiteral("QUORVIA_RISORSE"), QStringLiteral(QUORVIA_BUNDLED_RESOURCES));
            QString error;
            const std::optional<double> seconds =
                bare ? timeLaunch(QCoreApplication::applicationFilePath(),
                                  {QStringLiteral("--harness=launch-bare")}, env, &error)
                     : timeLaunch(programBeside("quorvia"), {}, env, &error);
            if (!seconds) {
                state.SkipWithError(qPrintable(error));
                return;
            }
            state.SetIterationTime(*seconds);
        }
    })->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond);
}

}  // namespace

void addLaunchBenchmarks()
{
    const std::string row = "launch to a main window that takes typing";
    addLaunchRow(row + ", speech daemon cold/quorvia", Daemon::Cold, false);
    addLaunchRow(row + ", speech daemon cold/bare Qt Widgets window", Daemon::Cold, true);
    addLaunchRow(row + ", speech daemon warm/quorvia", Daemon::Warm, false);
    addLaunchRow(row + ", speech daemon warm/bare Qt Widgets window", Daemon::Warm, true);
    setTarget(row, {TargetKind::MaxTime, kSplashSeconds + kAfterSplashSeconds});
}

int launchBare(int& argc, char** argv)
{
    QApplication app(argc, argv);
    QLineEdit box;
    box.resize(800, 600);
    box.show();
    box.activateWindow();
    box.setFocus();
    const auto probe = [&box](const auto& self) -> void {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        if (QApplication::focusWidget() == &box) {
            QCoreApplication::sendEvent(&box, &press);
            if (box.text() == QLatin1String("a")) {
                std::puts("pronta");
                std::fflush(stdout);
                QCoreApplication::exit(0);
                return;
            }
        }
        QTimer::singleShot(5, &box, [self] { self(self); });
    };
    QTimer::singleShot(0, &box, [probe] { probe(probe); });
    return app.exec();
}

}  // namespace quorvia::bench
