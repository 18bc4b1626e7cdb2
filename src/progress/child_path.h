// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One child's own path through the problems, from that child's records on
// every computer: what became of each problem, where to go on, and which
// problems come back for review on a given day. The day is always handed in,
// so the rules never read a clock of their own.

#include "progress/class_report.h"
#include "progress/progress_file.h"

#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace quorvia::progress {

// A calendar day, as the records' local times give it.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool valid() const;
    // Days since 1970-01-01, so that days can be added and compared.
    long dayNumber() const;
    static CivilDate fromDayNumber(long days);
    CivilDate plusDays(int days) const { return fromDayNumber(dayNumber() + days); }
    bool operator==(const CivilDate& o) const { return year == o.year && month == o.month && day == o.day; }
    bool operator<(const CivilDate& o) const { return dayNumber() < o.dayNumber(); }
    bool operator<=(const CivilDate& o) const { return !(o < *this); }
    std::string text() const;  // "2026-12-11"
};

// The day of an ISO 8601 time ("2026-12-11T09:05:00+01:00"); not valid when
// the text starts with no date.
CivilDate dateOf(const std::string& when);
// The day `moment` falls on in the local time zone.
CivilDate localDate(std::time_t moment);

// The Leitner boxes: a problem missed comes back after the first interval;
// each time it is then done well on or after its day it moves on to the
// next, and done well once more after the last it is learnt. Missed again,
// it starts over from the first.
inline constexpr int kReviewDays[] = {1, 3, 7};
// More errors than this and a problem finished alone was not done well.
inline constexpr int kManyErrors = 3;

// Finished alone with few errors.
bool doneWell(const ProgressRecord& record);

struct ReviewState {
    int box = 0;     // 0: not waiting for review; 1.. the interval it waits in
    CivilDate due;   // the day it comes back, when box > 0
};

// The review state of one problem after its records, oldest first. Records
// without a date are passed over.
ReviewState reviewAfter(const std::vector<ProgressRecord>& records);

// What became of a problem for the child, the best of its attempts.
enum class Mark { NotTried, SolvedAlone, SolvedWithSolution, Left };

class ChildPath {
public:
    ChildPath() = default;
    // The records of one child from every computer, in any order.
    explicit ChildPath(std::vector<ProgressRecord> records);

    bool empty() const { return problems_.empty(); }
    // Problems 1..count of `file` in this mode and scheme.
    std::vector<Mark> marks(Mode mode, Scheme scheme, const std::string& file, int count) const;
    // The first of problems 1..count not yet finished alone; 1 when all are.
    int startingProblem(Mode mode, Scheme scheme, const std::string& file, int count) const;
    // The problems whose review day is `today` or past, in problem order.
    std::vector<ProblemKey> dueForReview(const CivilDate& today) const;

private:
    std::map<ProblemKey, std::vector<ProgressRecord>> problems_;  // each oldest first
};

// The records of `child` among `files`, names compared as the class report
// compares them.
std::vector<ProgressRecord> recordsOf(const std::vector<ProgressFile>& files, const std::string& child);

struct ChildRecords {
    std::vector<ProgressRecord> records;
    int damaged_lines = 0;
    std::string error;  // why the folder or one of the child's files could not be read
};

// The records of `child` in `folder`: only the child's own files (one per
// computer) are opened, so a class's whole year is not read for one name.
ChildRecords readChildRecords(const std::string& folder, const std::string& child);

// The class list a teacher may keep in the progress folder, one name a line.
inline constexpr const char* kClassListFile = "ALUNNI.TXT";

// The names a child may mean: those in the records of `folder` (the first
// name of each file) and those of its class list, one per child as
// childKey tells them apart, in alphabetical order of that key.
std::vector<std::string> knownChildNames(const std::string& folder);

}  // namespace quorvia::progress
