// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a child's progress file: read as the report reads it, then
// appended to as the program appends. Beyond crashes, hangs and leaks:
// every record read is within the ranges the writer keeps and writes back as
// a line that reads as the same record; the append never takes away a
// record the reader counted, and the record it adds reads back whole when
// the file's header is the program's own.

#include "progress/csv.h"
#include "progress/progress_file.h"
#include "progress/record_csv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

using namespace quorvia::progress;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s: [%s]\n", what, detail.c_str());
    std::abort();
}

// A folder of this process's own, in memory where the system has one.
const std::string& folder() {
    static const std::string path = [] {
        const std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string made = base + "/quorvia-progress-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(made);
        return made;
    }();
    return path;
}

ProgressRecord appended() {
    ProgressRecord r;
    r.when = "2026-12-11T09:00:00+01:00";
    r.child = "Ada";
    r.computer = "pc";
    r.problem_file = "A_SCHEMA3.INI";
    r.problem = 7;
    r.outcome = Outcome::SolvedAlone;
    r.steps = stepsOf(quorvia::Scheme::S3);
    r.steps[3].errors = 4;
    r.seconds = 99;
    return r;
}

bool same(const ProgressRecord& a, const ProgressRecord& b) {
    if (a.when != b.when || a.child != b.child || a.computer != b.computer || a.mode != b.mode ||
        a.scheme != b.scheme || a.problem_file != b.problem_file || a.problem != b.problem ||
        a.outcome != b.outcome || a.solution_shown != b.solution_shown || a.seconds != b.seconds ||
        a.steps.size() != b.steps.size())
        return false;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        if (a.steps[i].name != b.steps[i].name || a.steps[i].errors != b.steps[i].errors ||
            a.steps[i].hints != b.steps[i].hints)
            return false;
    }
    return true;
}

void checkRecord(const ProgressRecord& r) {
    if (r.problem < 1 || r.problem > 20 || r.seconds < 0 || r.seconds > 86400 || r.when.empty())
        fail("a field out of its range", r.when);
    for (const StepTally& step : r.steps) {
        if (step.errors < 0 || step.errors > 10000 || step.hints < 0 || step.hints > 10000)
            fail("a step count out of its range", step.name);
    }
    // What the reader took, the writer writes back as one line of the same record.
    const std::string line = csvLine(recordRow(r));
    const CsvText text = parseCsv(csvLine(recordHeader()) + line);
    if (text.rows.size() != 2 || text.damaged_lines != 0 || text.torn_tail)
        fail("a record writes back as more or less than one line", line);
    ProgressRecord back;
    // The writer's own header has every step; the reader may have read fewer.
    if (!recordFromRow(text.rows[0], text.rows[1], back))
        fail("a record written back does not read", line);
    if (back.when != r.when || back.child.find_first_of("\r\n") != std::string::npos)
        fail("a record written back reads differently", line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = folder() + "/" + progressFileName("Ada", "pc");
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));

    const ProgressFile before = readProgressFile(path);
    if (!before.error.empty())
        fail("a regular file does not read", before.error);
    for (const ProgressRecord& r : before.records)
        checkRecord(r);
    // Every line is a record, a repeated header, the header or a damaged line.
    std::size_t lines = 0;
    LineSplitter splitter(kMaxRecordLineBytes);
    splitter.feed(bytes, [&](std::string_view, bool) { ++lines; });
    lines += splitter.unfinished() ? 1 : 0;
    if (before.records.size() + static_cast<std::size_t>(before.damaged_lines) > lines)
        fail("more records and damaged lines than lines");

    // A limit inside the file cuts it and says so.
    if (size > 1) {
        const ProgressFile cut = readProgressFile(path, size / 2);
        if (!cut.cut || cut.records.size() > before.records.size())
            fail("a file read up to a limit is not cut");
    }

    std::string error;
    if (!appendRecord(folder(), appended(), &error))
        fail("an append fails", error);
    const ProgressFile after = readProgressFile(path);
    if (after.records.size() < before.records.size())
        fail("the append took away a record the reader counted");
    for (std::size_t i = 0; i < before.records.size(); ++i) {
        if (!same(before.records[i], after.records[i]))
            fail("the append changed a record the reader counted", before.records[i].when);
    }
    const CsvText head = parseCsv(std::string(bytes.substr(0, bytes.find_first_of("\r\n"))) + "\n");
    const bool ownHeader = size == 0 || (!head.rows.empty() && head.rows.front() == recordHeader());
    if (ownHeader && (after.records.size() != before.records.size() + 1 || !same(after.records.back(), appended())))
        fail("the appended record does not read back");
    return 0;
}
