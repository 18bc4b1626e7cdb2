// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/class_report.h"

#include "progress/child_path.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "content/resource_path.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>

namespace quorvia::progress {

namespace {

std::size_t kindIndex(const std::string& stepName)
{
    const auto& kinds = stepKinds();
    const auto found = std::find(kinds.begin(), kinds.end(), stepKind(stepName));
    return found == kinds.end() ? kinds.size() : static_cast<std::size_t>(found - kinds.begin());
}

Result better(Result a, Result b)
{
    return static_cast<int>(a) < static_cast<int>(b) ? a : b;
}

Result resultOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::SolvedAlone: return Result::SolvedAlone;
    case Outcome::SolvedWithSolution: return Result::SolvedWithSolution;
    default: return Result::Left;
    }
}

struct ProblemTally {
    std::set<std::string> tried, solvedAlone, solved;
    int errors = 0;
    std::vector<std::string> stepOrder;                       // as first met
    std::map<std::string, int> stepErrors;                    // step -> errors
    std::map<std::string, std::set<std::string>> stepErring;  // step -> children
};

}  // namespace

bool ProblemKey::operator<(const ProblemKey& o) const
{
    return std::tie(mode, scheme, file, problem) < std::tie(o.mode, o.scheme, o.file, o.problem);
}

std::string ProblemKey::label() const
{
    return file + " n. " + std::to_string(problem);
}

const char* resultText(Result result)
{
    switch (result) {
    case Result::SolvedAlone: return "risolto da solo";
    case Result::SolvedWithSolution: return "con la soluzione";
    case Result::Left: return "lasciato";
    }
    return "?";
}

int ChildSummary::errors() const
{
    int total = 0;
    for (int n : errors_by_kind)
        addCapped(total, n);
    return total;
}

std::string childKey(const std::string& name)
{
    std::string key;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isspace(u)) {
            if (!key.empty() && key.back() != ' ')
                key += ' ';
        } else {
            key += static_cast<char>(u < 0x80 ? std::tolower(u) : u);
        }
    }
    if (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

ClassReport buildClassReport(const std::vector<ProgressFile>& files)
{
    ClassReport report;
    std::map<std::string, ChildSummary> children;                             // by key
    std::map<std::string, std::map<ProblemKey, ChildProblem>> childProblems;  // by key
    std::map<ProblemKey, ProblemTally> problems;

    for (const ProgressFile& file : files) {
        if (!file.error.empty()) {
            report.unreadable.push_back(file.error);
            continue;
        }
        ++report.files;
        addCapped(report.damaged_lines, file.damaged_lines);
        if (file.cut)
            report.cut_files.push_back(file.path);
        for (const ProgressRecord& r : file.records) {
            addCapped(report.records, 1);
            const std::string key = childKey(r.child);
            ChildSummary& child = children[key];
            if (child.name.empty())
                child.name = r.child;
            addCapped(child.attempts, 1);
            addCapped(child.seconds, r.seconds);
            addCapped(child.hints, r.totalHints());

            const ProblemKey pk{r.mode, r.scheme, r.problem_file, r.problem};
            auto [entry, fresh] = childProblems[key].try_emplace(pk);
            ChildProblem& cp = entry->second;
            cp.problem = pk;
            cp.result = fresh ? resultOf(r.outcome) : better(cp.result, resultOf(r.outcome));
            addCapped(cp.attempts, 1);
            addCapped(cp.hints, r.totalHints());
            addCapped(cp.seconds, r.seconds);

            ProblemTally& tally = problems[pk];
            tally.tried.insert(key);
            if (r.outcome == Outcome::SolvedAlone)
                tally.solvedAlone.insert(key);
            if (isSolved(r.outcome))
                tally.solved.insert(key);
            for (const StepTally& step : r.steps) {
                if (std::find(tally.stepOrder.begin(), tally.stepOrder.end(), step.name) == tally.stepOrder.end())
                    tally.stepOrder.push_back(step.name);
                if (step.errors == 0)
                    continue;
                const std::size_t kind = kindIndex(step.name);
                if (kind < child.errors_by_kind.size()) {
                    addCapped(child.errors_by_kind[kind], step.errors);
                    addCapped(cp.errors_by_kind[kind], step.errors);
                }
                addCapped(cp.errors, step.errors);
                addCapped(tally.errors, step.errors);
                addCapped(tally.stepErrors[step.name], step.errors);
                tally.stepErring[step.name].insert(key);
            }
        }
    }

    for (auto& [key, child] : children) {
        for (const auto& [pk, cp] : childProblems[key]) {
            ++child.tried;
            switch (cp.result) {
            case Result::SolvedAlone: ++child.solved_alone; break;
            case Result::SolvedWithSolution: ++child.solved_with_solution; break;
            case Result::Left: ++child.left; break;
            }
            child.problems.push_back(cp);
        }
        report.children.push_back(std::move(child));
    }
    for (const auto& [pk, tally] : problems) {
        ProblemSummary summary;
        summary.problem = pk;
        summary.children_tried = static_cast<int>(tally.tried.size());
        summary.children_solved_alone = static_cast<int>(tally.solvedAlone.size());
        summary.children_solved = static_cast<int>(tally.solved.size());
        summary.errors = tally.errors;
        // Ties go to the earlier step: the child met it first.
        for (const std::string& step : tally.stepOrder) {
            const auto found = tally.stepErrors.find(step);
            if (found != tally.stepErrors.end() && found->second > summary.hardest_step_errors) {
                summary.hardest_step = step;
                summary.hardest_step_errors = found->second;
                summary.children_erring_there = static_cast<int>(tally.stepErring.at(step).size());
            }
        }
        report.problems.push_back(std::move(summary));
    }
    return report;
}

ClassReport buildClassReport(const std::vector<ProgressFile>& files, const CivilDate& today)
{
    ClassReport report = buildClassReport(files);
    addDueForReview(report, files, today);
    return report;
}

void addDueForReview(ClassReport& report, const std::vector<ProgressFile>& files, const CivilDate& today)
{
    std::map<std::string, std::vector<ProgressRecord>> byChild;
    for (const ProgressFile& file : files) {
        for (const ProgressRecord& r : file.records)
            byChild[childKey(r.child)].push_back(r);
    }
    for (ChildSummary& child : report.children)
        child.due_for_review = ChildPath(std::move(byChild[childKey(child.name)])).dueForReview(today);
}

const std::string& ClassReport::openingOf(const ProblemKey& problem) const
{
    static const std::string none;
    const auto found = openings.find(problem);
    return found == openings.end() ? none : found->second;
}

void addProblemOpenings(ClassReport& report, const std::string& resourceFolder)
{
    if (resourceFolder.empty())
        return;
    std::map<std::string, IniFile> files;  // by name as the records have it
    for (const ProblemSummary& summary : report.problems) {
        const ProblemKey& key = summary.problem;
        auto [entry, fresh] = files.try_emplace(key.file);
        if (fresh) {
            const std::string path = findResourceFile(resourceFolder, key.file);
            if (!path.empty())
                entry->second = IniFile::read(path);
        }
        std::string opening = problemOpening(entry->second, key.problem);
        if (!opening.empty())
            report.openings[key] = std::move(opening);
    }
}

}  // namespace quorvia::progress
