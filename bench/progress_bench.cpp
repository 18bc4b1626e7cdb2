// SPDX-License-Identifier: GPL-3.0-or-later
// The progress records as rows of the table that scripts/bench.sh prints:
// quorvia-report's work over a year of a class, one child's path as the main
// window reads it from that year, and one record appended with its fsync,
// as the program does when a problem ends.

#include "bench_table.h"
#include "progress/child_path.h"
#include "progress/class_report.h"
#include "progress/progress_file.h"
#include "progress/record_csv.h"
#include "report/report_format.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quorvia::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kChildren = 30;
constexpr int kRecordsPerChild = 600;

// A folder on the disk the build is on (the temporary folder may be in
// memory, where an fsync costs nothing), removed at the end of the run.
class Folder {
public:
    explicit Folder(const std::string& name)
        : path_(fs::current_path() / ("quorvia-bench-" + name + "-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// A plausible record: the schemes, outcomes and errors vary as a class's would.
progress::ProgressRecord record(int child, int n) {
    constexpr Scheme kSchemes[] = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};
    constexpr progress::Outcome kOutcomes[] = {progress::Outcome::SolvedAlone, progress::Outcome::SolvedAlone,
                                               progress::Outcome::SolvedWithSolution, progress::Outcome::LeftNext,
                                               progress::Outcome::LeftClose};
    progress::ProgressRecord r;
    r.when = "2026-03-02T09:15:00+01:00";
    r.child = "Bambino " + std::to_string(child);
    r.computer = "aula-pc" + std::to_string(child % 25);
    r.mode = n % 3 == 0 ? Mode::Beginner : Mode::Advanced;
    r.scheme = kSchemes[n % 4];
    r.problem_file = std::string(r.mode == Mode::Beginner ? "P" : "A") + "_SCHEMA" + schemeName(r.scheme) + ".INI";
    r.problem = n % 20 + 1;
    r.outcome = kOutcomes[(n + child) % 5];
    r.solution_shown = r.outcome == progress::Outcome::SolvedWithSolution;
    r.steps = progress::stepsOf(r.scheme);
    for (std::size_t s = 0; s < r.steps.size(); ++s) {
        r.steps[s].errors = static_cast<int>((n * 7 + child * 3 + s * 5) % 4);
        r.steps[s].hints = static_cast<int>((n + s) % 3 == 0);
    }
    r.seconds = 60 + (n * 37 + child) % 600;
    return r;
}

void writeClassYear(const fs::path& folder) {
    for (int child = 1; child <= kChildren; ++child) {
        std::ofstream out(folder / progress::progressFileName("Bambino " + std::to_string(child), "aula"),
                          std::ios::binary);
        out << progress::csvLine(progress::recordHeader());
        for (int n = 0; n < kRecordsPerChild; ++n)
            out << progress::csvLine(progress::recordRow(record(child, n)));
        if (!out) {
            std::fprintf(stderr, "cannot write the progress files in %s\n", folder.c_str());
            std::exit(1);
        }
    }
}

}  // namespace

void addProgressBenchmarks() {
    setTarget("quorvia-report", Target{TargetKind::MaxTime, 1.0});
    setTarget("progress record", Target{TargetKind::MaxTime, 5e-3});

    static const Folder classYear("class-year");
    writeClassYear(classYear.path());
    add("quorvia-report: 30 children × 600 records in 30 files, read, figures, text and JSON",
        [](benchmark::State& state) {
            for (auto _ : state) {
                const auto files = progress::readProgressFolder(classYear.path().string());
                const progress::ClassReport report = progress::buildClassReport(files);
                if (report.records != kChildren * kRecordsPerChild || report.damaged_lines != 0)
                    state.SkipWithError("the report did not read every record");
                benchmark::DoNotOptimize(report::textReport(report, QString()));
                benchmark::DoNotOptimize(report::jsonReport(report, QString()));
            }
        })->Unit(benchmark::kMillisecond);

    setTarget("child's path", Target{TargetKind::MaxTime, 50e-3});
    add("child's path: one child's 600 records among the class's year, read, marks, start, reviews and the names",
        [](benchmark::State& state) {
            const progress::CivilDate today{2026, 6, 8};
            for (auto _ : state) {
                const progress::ChildRecords read = progress::readChildRecords(classYear.path().string(), "bambino 7");
                const progress::ChildPath path(read.records);
                if (read.records.size() != kRecordsPerChild)
                    state.SkipWithError("the path did not read every record of the child");
                for (Scheme scheme : kAllSchemes) {
                    benchmark::DoNotOptimize(path.marks(Mode::Advanced, scheme, "A_SCHEMA3.INI", 20));
                    benchmark::DoNotOptimize(path.startingProblem(Mode::Advanced, scheme, "A_SCHEMA3.INI", 20));
                }
                benchmark::DoNotOptimize(path.dueForReview(today));
                if (progress::knownChildNames(classYear.path().string()).size() != kChildren)
                    state.SkipWithError("the names of the class are not all there");
            }
        })->Unit(benchmark::kMillisecond);

    static const Folder appends("appends");
    add("progress record: append one record with fsync, local disk", [](benchmark::State& state) {
        int n = 0;
        for (auto _ : state) {
            if (!progress::appendRecord(appends.path().string(), record(1, n++)))
                state.SkipWithError("append failed");
        }
    });
}

}  // namespace quorvia::bench
