// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progress_record.h"

#include "content/problem_file.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorvia::progress {

namespace {

struct OutcomeRow {
    Outcome outcome;
    const char* text;
};

constexpr std::array<OutcomeRow, 7> kOutcomes = {{
    {Outcome::SolvedAlone, "risolto da solo"},
    {Outcome::SolvedWithSolution, "risolto con la soluzione"},
    {Outcome::LeftNext, "lasciato: successivo"},
    {Outcome::LeftPrevious, "lasciato: precedente"},
    {Outcome::LeftClose, "lasciato: finestra chiusa"},
    {Outcome::LeftRestore, "lasciato: scheda caricata"},
    {Outcome::LeftProgramEnd, "lasciato: fine del programma"},
}};

}  // namespace

const char kNoName[] = "(senza nome)";

const char* outcomeText(Outcome outcome)
{
    for (const OutcomeRow& row : kOutcomes) {
        if (row.outcome == outcome)
            return row.text;
    }
    return "?";
}

bool outcomeFromText(const std::string& text, Outcome& outcome)
{
    for (const OutcomeRow& row : kOutcomes) {
        if (text == row.text) {
            outcome = row.outcome;
            return true;
        }
    }
    return false;
}

bool isSolved(Outcome outcome)
{
    return outcome == Outcome::SolvedAlone || outcome == Outcome::SolvedWithSolution;
}

std::string recordedName(const std::string& typed)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const bool empty = std::all_of(typed.begin(), typed.end(), blank);
    return empty ? std::string(kNoName) : typed;
}

std::vector<StepTally> stepsOf(Scheme scheme)
{
    std::vector<StepTally> steps;
    for (int s = 1; s <= stepCount(scheme); ++s)
        steps.push_back({stepName(scheme, s), 0, 0});
    return steps;
}

const std::vector<std::string>& stepKinds()
{
    static const std::vector<std::string> kinds = {"domanda", "dati", "schema", "risposta"};
    return kinds;
}

std::string stepKind(const std::string& name)
{
    const std::string word = name.substr(0, name.find(' '));
    // The data steps are many of one kind; the others read as their word.
    return word == "dato" ? "dati" : word;
}

int ProgressRecord::totalErrors() const
{
    int total = 0;
    for (const StepTally& step : steps)
        addCapped(total, step.errors);
    return total;
}

int ProgressRecord::totalHints() const
{
    int total = 0;
    for (const StepTally& step : steps)
        addCapped(total, step.hints);
    return total;
}

std::string localTimestamp(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string stamp(text, length);
    // strftime writes the offset as +0100; ISO 8601's extended form, which
    // the date part uses, wants +01:00.
    if (stamp.size() >= 5)
        stamp.insert(stamp.size() - 2, ":");
    return stamp;
}

}  // namespace quorvia::progress
