// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the exercise window answers the child: a Verifica click until its
// feedback is painted (a right and a wrong sentence), and a problem start
// until the window is painted. The window is the program's own advanced
// scheme 4b window (the largest step panel), with the program's hooks and
// media, on problem 1 of the bundled folder.

#include "exercise_response_bench.h"

#include "bench_table.h"
#include "program_windows.h"

#include "exercise/exercise_window.h"
#include "shell/main_window.h"
#include "content/scheme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <optional>

namespace quorvia::bench {
namespace {

// The window shown and started on problem 1, as the start button leaves it
// (but not modal, so the benchmark keeps the event loop).
class StartedWindow {
public:
    StartedWindow() : windows_(createProgramWindows(bundledResources()))
    {
        for (ExerciseWindow* w : windows_.exercises) {
            if (w->scheme().scheme == Scheme::S4b && w->mode() == Mode::Advanced)
                window_ = w;
        }
        ExerciseLaunch launch;
        launch.resource_folder = bundledResources();
        launch.problem_file_name = QStringLiteral("A_SCHEMA4B.INI");
        launch.problem_count = 1;
        launch.scheme_code = schemeCode(Scheme::S4b);
        window_->resize(ExerciseWindow::kWidth, ExerciseWindow::kHeight);
        window_->setLaunch(launch);
        windows_.main->LOAD_WAV_GIF(window_);
        window_->show();
        QApplication::processEvents();
    }

    ExerciseWindow& window() { return *window_; }

    // Types into step 1's box and presses its Verifica.
    void answerStepOne(const QString& text)
    {
        const QString box = QLatin1String(window_->scheme().step(1)->advanced_input);
        qobject_cast<QLineEdit*>(window_->TROVA_COMP(box))->setText(text);
        qobject_cast<QAbstractButton*>(window_->TROVA_COMP(QStringLiteral("B1")))->click();
        window_->repaint();
    }

    QString rightAnswer() const
    {
        return QString::fromStdString(window_->state().answer_table[1][1]);
    }

private:
    ProgramWindows windows_;
    ExerciseWindow* window_ = nullptr;
};

// Made on first use and gone with the application object, whose timers its
// windows use.
StartedWindow* started = nullptr;

StartedWindow& startedWindow()
{
    if (!started) {
        started = new StartedWindow;
        qAddPostRoutine([] {
            delete started;
            started = nullptr;
        });
    }
    return *started;
}

}  // namespace

void addExerciseResponseBenchmarks()
{
    const std::string verifica = "Verifica click to its feedback painted (scheme 4b, advanced)";
    // Each click starts from a fresh problem: a right answer opens step 2,
    // and a wrong one starts the error animation that makes the next check
    // wait.
    add(verifica + ": right answer", [](benchmark::State& state) {
        StartedWindow& started = startedWindow();
        const QString right = started.rightAnswer();
        for (auto _ : state) {
            started.answerStepOne(right);
            state.PauseTiming();
            started.window().INIZIO();
            state.ResumeTiming();
        }
    })->Unit(benchmark::kMillisecond);
    add(verifica + ": wrong answer", [](benchmark::State& state) {
        StartedWindow& started = startedWindow();
        for (auto _ : state) {
            started.answerStepOne(QStringLiteral("non è la domanda"));
            state.PauseTiming();
            started.window().INIZIO();
            state.ResumeTiming();
        }
    })->Unit(benchmark::kMillisecond);
    add("problem start (INIZIO) to the window painted (scheme 4b, advanced)", [](benchmark::State& state) {
        StartedWindow& started = startedWindow();
        for (auto _ : state) {
            started.window().INIZIO();
            started.window().repaint();
        }
    })->Unit(benchmark::kMillisecond);
    // One frame at 60 Hz.
    setTarget(verifica, {TargetKind::MaxTime, 0.0167});
    setTarget("problem start (INIZIO)", {TargetKind::MaxTime, 0.0167});
}

}  // namespace quorvia::bench
