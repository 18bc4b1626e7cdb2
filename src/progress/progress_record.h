// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One problem as it ended for one child: who, which problem, how it ended,
// the errors and hints of every step, and the time it took.

#include "content/scheme.h"

#include <ctime>
#include <limits>
#include <string>
#include <vector>

namespace quorvia::progress {

// How a problem ended for the child.
enum class Outcome {
    SolvedAlone,         // the last step right, without the solution
    SolvedWithSolution,  // finished after the solution was shown
    LeftNext,            // left for the next problem
    LeftPrevious,        // left for the previous problem
    LeftClose,           // the window closed
    LeftRestore,         // a worksheet restored over it
    LeftProgramEnd,      // the program ended with the problem open
};

// The outcome as the records and the report write it ("risolto da solo",
// "lasciato: successivo", ...).
const char* outcomeText(Outcome outcome);
// The outcome of a text written by outcomeText; false for any other text.
bool outcomeFromText(const std::string& text, Outcome& outcome);
bool isSolved(Outcome outcome);

// The child's name as the records keep it: as typed, or "(senza nome)".
std::string recordedName(const std::string& typed);
extern const char kNoName[];

struct StepTally {
    std::string name;  // "domanda", "dato 1", "schema", "risposta 2", ...
    int errors = 0;
    int hints = 0;     // times the step's hint was opened
};

// The steps of a scheme by name, every count 0.
std::vector<StepTally> stepsOf(Scheme scheme);

// "domanda", "dati", "schema" or "risposta": the kind of a step name.
std::string stepKind(const std::string& stepName);
// The kinds in the order a problem goes through them.
const std::vector<std::string>& stepKinds();

struct ProgressRecord {
    std::string when;      // ISO 8601, local time with its offset
    std::string child;     // as recordedName gives it
    std::string computer;  // the host name of the computer
    Mode mode = Mode::Advanced;
    Scheme scheme = Scheme::S3;
    std::string problem_file;  // as GENERALE.INI names it
    int problem = 1;
    Outcome outcome = Outcome::LeftClose;
    std::vector<StepTally> steps;  // in step order
    bool solution_shown = false;
    long seconds = 0;

    int totalErrors() const;
    int totalHints() const;
};

// Adds a count that is never negative to a total, which stays at the
// type's largest value rather than overflow: a report adds up whatever
// files a folder holds.
template <typename T>
void addCapped(T& total, T count)
{
    total = count > std::numeric_limits<T>::max() - total ? std::numeric_limits<T>::max() : total + count;
}

// "2026-12-11T09:05:00+01:00": `moment` in the local time zone.
std::string localTimestamp(std::time_t moment);

}  // namespace quorvia::progress
