// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the class report, from every record of a progress folder:
// per child, what became of the problems tried and at which kind of step
// the errors fell; per problem, how many children tried and finished it and
// the step where most errors fell (a problem that trips everyone at the
// same step is likely badly written).

#include "progress/progress_file.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace quorvia::progress {

// Errors per kind of step, in the order of stepKinds().
using KindCounts = std::array<int, 4>;

// A problem as the class meets it: mode, scheme, file and number.
struct ProblemKey {
    Mode mode = Mode::Advanced;
    Scheme scheme = Scheme::S3;
    std::string file;
    int problem = 1;

    bool operator<(const ProblemKey& other) const;
    // "A_SCHEMA3.INI n. 2"
    std::string label() const;
};

// Where a problem ended for one child, the best of its attempts.
enum class Result { SolvedAlone, SolvedWithSolution, Left };
const char* resultText(Result result);  // "risolto da solo", "con la soluzione", "lasciato"

struct ChildProblem {
    ProblemKey problem;
    int attempts = 0;
    Result result = Result::Left;
    int errors = 0;
    KindCounts errors_by_kind{};
    int hints = 0;
    long seconds = 0;
};

struct ChildSummary {
    std::string name;  // as typed the first time
    int tried = 0;     // problems
    int solved_alone = 0;
    int solved_with_solution = 0;
    int left = 0;
    int attempts = 0;  // records
    KindCounts errors_by_kind{};
    int hints = 0;
    long seconds = 0;
    std::vector<ChildProblem> problems;  // in problem order
    std::vector<ProblemKey> due_for_review;  // on the report's day, in problem order

    int errors() const;
};

struct ProblemSummary {
    ProblemKey problem;
    int children_tried = 0;
    int children_solved_alone = 0;
    int children_solved = 0;  // alone or with the solution
    int errors = 0;
    std::string hardest_step;        // the step with most errors; "" when none
    int hardest_step_errors = 0;
    int children_erring_there = 0;   // children with an error on that step
};

struct ClassReport {
    int files = 0;
    int records = 0;
    int damaged_lines = 0;
    std::vector<std::string> unreadable;  // why a file could not be read
    std::vector<std::string> cut_files;   // read only up to the size limit
    std::vector<ChildSummary> children;   // by name
    std::vector<ProblemSummary> problems; // in problem order
    // The first words of each problem's text, where its file was found.
    std::map<ProblemKey, std::string> openings;

    // The problem's first words; "" when unknown.
    const std::string& openingOf(const ProblemKey& problem) const;
};

struct CivilDate;

ClassReport buildClassReport(const std::vector<ProgressFile>& files);
// With, per child, the problems that come back for review on `today`.
ClassReport buildClassReport(const std::vector<ProgressFile>& files, const CivilDate& today);
// Sets, for each child of `report`, the problems due for review on `today`
// after that child's records in `files`.
void addDueForReview(ClassReport& report, const std::vector<ProgressFile>& files, const CivilDate& today);

// Reads the first words of every problem of the report from its file in
// `resourceFolder`, each file once. A file that is missing or unreadable
// there (another class's folder, a file renamed since) adds none: the
// records stand on their own.
void addProblemOpenings(ClassReport& report, const std::string& resourceFolder);

// The name that tells children apart: "Giulia", "giulia " and "GIULIA" are
// one child.
std::string childKey(const std::string& name);

}  // namespace quorvia::progress
