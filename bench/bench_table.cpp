// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_table.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvia::bench {

namespace {

constexpr const char* kOurs = "quorvia";

std::map<std::string, Target>& targets() {
    static std::map<std::string, Target> table;
    return table;
}

std::vector<std::string>& registered() {
    static std::vector<std::string> names;
    return names;
}

const Target* targetOf(const std::string& row) {
    const Target* found = nullptr;
    std::size_t longest = 0;
    for (const auto& [prefix, target] : targets()) {
        if (row.compare(0, prefix.size(), prefix) == 0 && prefix.size() >= longest) {
            found = &target;
            longest = prefix.size();
        }
    }
    return found;
}

struct Measure {
    double best = std::numeric_limits<double>::infinity();  // seconds, or the counter "value"
    std::string unit;                                      // the label of a "value" row
    std::string error;
    bool seen = false;
};

std::string formatTime(double seconds) {
    char text[32];
    if (seconds < 1e-6)
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    return text;
}

std::string formatMeasure(const Measure& m) {
    if (!m.error.empty()) return "error: " + m.error;
    if (!m.seen) return "–";
    if (!m.unit.empty()) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3g ", m.best);
        return text + m.unit;
    }
    return formatTime(m.best);
}

std::string formatRatio(double ratio) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

// A row: its own benchmark, or "<row>/quorvia" with its reference
// "<row>/<other>".
struct Row {
    std::string name;
    std::string ours;       // benchmark names
    std::string reference;
    std::string referenceName;
};

std::vector<Row> rowsInOrder() {
    const std::vector<std::string>& names = registered();
    const auto has = [&names](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    std::vector<Row> rows;
    for (const std::string& name : names) {
        const std::size_t slash = name.rfind('/');
        if (slash == std::string::npos) {
            rows.push_back(Row{name, name, "", ""});
            continue;
        }
        const std::string prefix = name.substr(0, slash);
        const std::string suffix = name.substr(slash + 1);
        if (suffix == kOurs) {
            rows.push_back(Row{prefix, name, "", ""});
        } else if (has(prefix + "/" + kOurs)) {
            for (Row& row : rows) {
                if (row.name == prefix) {
                    row.reference = name;
                    row.referenceName = suffix;
                }
            }
        } else {
            rows.push_back(Row{name, name, "", ""});
        }
    }
    return rows;
}

class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) record(run);
        }
        std::fputc('.', stderr);
        std::fflush(stderr);
    }

    void Finalize() override {
        std::fputc('\n', stderr);
        print();
    }

private:
    void record(const Run& run) {
        Measure& measure = measures_[run.run_name.function_name];
        measure.seen = true;
        if (run.error_occurred) {
            measure.error = run.error_message;
            return;
        }
        double value;
        const auto valueCounter = run.counters.find("value");
        if (valueCounter != run.counters.end()) {
            value = valueCounter->second.value;
            measure.unit = run.report_label;
        } else {
            value = run.real_accumulated_time / static_cast<double>(run.iterations);
            const auto batch = run.counters.find("batch");
            if (batch != run.counters.end() && batch->second.value > 0) value /= batch->second.value;
        }
        measure.best = std::min(measure.best, value);
    }

    const Measure& measureOf(const std::string& name) const {
        static const Measure none;
        const auto it = measures_.find(name);
        return it == measures_.end() ? none : it->second;
    }

    void print() const {
        const std::vector<Row> rows = rowsInOrder();
        // One header for the rows of every program, whose references differ
        // (muparser, a bare Qt window); docs/performance.md names each.
        std::printf("| measure | Quorvia | reference | ratio | target | met |\n");
        std::printf("|---|---:|---:|---:|---:|:---:|\n");
        for (const Row& row : rows) {
            const Measure& ours = measureOf(row.ours);
            if (!ours.seen) continue;  // filtered out on the command line
            const Measure& reference = measureOf(row.reference);
            const bool ratioKnown = ours.error.empty() && reference.seen && reference.error.empty();
            const double ratio = ratioKnown ? ours.best / reference.best : 0;

            std::string targetText = "–";
            std::string met;
            if (const Target* target = targetOf(row.name)) {
                bool ok = ours.error.empty();
                switch (target->kind) {
                case TargetKind::MaxTime:
                    targetText = "≤ " + formatTime(target->limit);
                    ok = ok && ours.best <= target->limit;
                    break;
                case TargetKind::MaxRatio:
                    targetText = "≤ " + formatRatio(target->limit);
                    ok = ok && ratioKnown && ratio <= target->limit;
                    break;
                case TargetKind::MaxValue: {
                    char text[32];
                    std::snprintf(text, sizeof text, "≤ %.3g ", target->limit);
                    targetText = text + ours.unit;
                    ok = ok && ours.best <= target->limit;
                    break;
                }
                }
                met = ok ? "yes" : "**no**";
            }
            std::printf("| %s | %s | %s | %s | %s | %s |\n", row.name.c_str(),
                        formatMeasure(ours).c_str(),
                        row.reference.empty() ? "–" : formatMeasure(reference).c_str(),
                        ratioKnown ? formatRatio(ratio).c_str() : "–", targetText.c_str(),
                        met.c_str());
        }
        std::fflush(stdout);
    }

    std::map<std::string, Measure> measures_;
};

}  // namespace

benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body) {
    registered().push_back(name);
    return benchmark::RegisterBenchmark(name.c_str(), std::move(body));
}

void setTarget(const std::string& prefix, Target target) { targets()[prefix] = target; }

int runAsTable(int argc, char** argv) {
    // Defaults that suit a shared, noisy machine; flags given on the command
    // line come later and win.
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string minTime = "--benchmark_min_time=0.1";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), minTime.data()});
    args.push_back(nullptr);
    int count = static_cast<int>(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorvia::bench
