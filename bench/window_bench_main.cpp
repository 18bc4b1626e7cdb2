// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' rows of the table that scripts/bench.sh prints: creating the
// ten windows of a run, the CPU of a window that waits for the child, and
// the peak memory of a run against a bare Qt Widgets window.

#include "bench_table.h"
#include "check_bench.h"
#include "exercise_response_bench.h"
#include "launch_bench.h"
#include "program_windows.h"
#include "window_harness.h"

#include "evaluator/decimal_number.h"

#include <QApplication>

#include <optional>

namespace quorvia::bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// A row whose value a child process measures, once per repetition.
void addChildRow(const std::string& row, const QString& harness, const char* unit, double scale,
                 int repetitions)
{
    add(row, [harness, unit, scale](benchmark::State& state) {
        for (auto _ : state) {
            QString error;
            const std::optional<double> value = measureInChild(harness, &error);
            if (!value) {
                state.SkipWithError(qPrintable(error));
                return;
            }
            state.counters["value"] = *value / scale;
        }
        state.SetLabel(unit);
    })->Iterations(1)->Repetitions(repetitions);
}

void addWindowBenchmarks()
{
    const std::string creating = "creating the ten windows";
    add(creating + ": first in a fresh process", [](benchmark::State& state) {
        for (auto _ : state) {
            QString error;
            const std::optional<double> seconds = measureInChild(QStringLiteral("cold-creation"), &error);
            if (!seconds) {
                state.SkipWithError(qPrintable(error));
                return;
            }
            state.SetIterationTime(*seconds);
        }
    })->UseManualTime()->Iterations(1);
    add(creating + ": again in the same process", [](benchmark::State& state) {
        const QString resources = bundledResources();
        for (auto _ : state) {
            std::optional<ProgramWindows> windows = createProgramWindows(resources);
            state.PauseTiming();
            windows.reset();
            QApplication::processEvents();  // deferred deletions
            state.ResumeTiming();
        }
    })->Unit(benchmark::kMillisecond);
    setTarget(creating, {TargetKind::MaxTime, 0.100});

    const std::string idle = "idle CPU over 10 s";
    addChildRow(idle + ": main window animating", QStringLiteral("idle-main"), "% of a core", 1, 1);
    addChildRow(idle + ": exercise window waiting for the child", QStringLiteral("idle-exercise"),
                "% of a core", 1, 1);
    setTarget(idle, {TargetKind::MaxValue, 0.5});

    const std::string peak = "peak memory (VmHWM): every window, a problem loaded in each";
    addChildRow(peak + "/quorvia", QStringLiteral("peak-program"), "MiB", kMiB, 3);
    addChildRow(peak + "/bare Qt Widgets window", QStringLiteral("peak-bare"), "MiB", kMiB, 3);
    setTarget(peak, {TargetKind::MaxRatio, 1.5});

    // What the program holds before a child has done anything.
    const std::string startup = "peak memory (VmHWM): start-up, main window shown for 1 s";
    addChildRow(startup + "/quorvia", QStringLiteral("peak-startup"), "MiB", kMiB, 3);
    addChildRow(startup + "/bare Qt Widgets window", QStringLiteral("peak-bare"), "MiB", kMiB, 3);
    setTarget(startup, {TargetKind::MaxRatio, 1.5});
}

}  // namespace
}  // namespace quorvia::bench

int main(int argc, char** argv)
{
    if (const auto exitCode = quorvia::bench::runHarnessIfAsked(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    quorvia::setDecimalSeparator(',');
    quorvia::bench::addWindowBenchmarks();
    quorvia::bench::addExerciseResponseBenchmarks();
    quorvia::bench::addCheckBenchmarks();
    quorvia::bench::addLaunchBenchmarks();
    return quorvia::bench::runAsTable(argc, argv);
}
