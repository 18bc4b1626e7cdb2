// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the benchmarks registered with add() and prints their results as one
// Markdown table, with each row's target and whether it is met.
//
// Row names: a benchmark "<row>/quorvia" is paired with "<row>/<reference>"
// (muparser) into one row with the ratio of their times, measured in the
// same run; any other benchmark is a row of its own. A benchmark that does
// `batch` things per iteration (all the bundled formulas, say) sets the
// counter "batch", and its time is shown per thing. A row measured otherwise
// than in time (idle CPU, peak memory) sets the counter "value" and puts its
// unit in the label.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace quorvia::bench {

// Registers a benchmark as a row of the table; rows keep the order of
// registration.
benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body);

enum class TargetKind {
    MaxTime,   // the row's time at most `limit` seconds
    MaxRatio,  // Quorvia's time at most `limit` times the reference's
    MaxValue,  // the counter "value" at most `limit`
};

struct Target {
    TargetKind kind;
    double limit;
};

// The target of every row whose name starts with `prefix`; the longest
// matching prefix wins.
void setTarget(const std::string& prefix, Target target);

// Parses the Google Benchmark flags, runs, prints the table on stdout.
// Each benchmark runs in several repetitions interleaved with the others, and
// a row shows the fastest, which is the least disturbed by whatever else the
// machine is doing. Returns the process exit code.
int runAsTable(int argc, char** argv);

}  // namespace quorvia::bench
