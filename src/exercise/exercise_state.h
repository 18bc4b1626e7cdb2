// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of an exercise window that no widget shows. The error total is
// not here: it lives in the Tag of the error label, where worksheets and
// printing find it.

#include "content/formula_preparation.h"
#include "content/mistake_messages.h"
#include "content/scheme.h"
#include "exercise/error_book.h"
#include "exercise/solved_problems.h"
#include "shell/exercise_slot.h"

#include <QString>
#include <QStringList>

#include <array>

namespace quorvia {

struct ExerciseState {
    QString resource_folder;  // ends with a separator
    QString problem_file_name;
    int current_problem = 1;
    int problem_count = 1;  // 1..kMaxProblems
    int scheme_code = 3;

    // Advanced windows: answer_table[step][variant], variants 1..5.
    std::array<std::array<std::string, kVariants + 1>, kMaxSteps + 1> answer_table;
    // The formulas of the problem loaded; `formulas_ready` is false until a
    // load has prepared them, and again after a load that failed on them or
    // whose formula the evaluator refused, so the scheme cannot be passed
    // with numbers of another problem or with a stand-in value.
    PreparedFormulas formulas;
    bool formulas_ready = false;

    std::array<QString, kMaxSteps + 1> hints;           // MSG_HELP<s>
    std::array<QString, kMaxSteps + 1> error_messages;  // VERIFICA_MSG_NO<s>
    MistakeMessages mistakes;  // the messages for foreseen mistakes
    ErrorBook errors;
    QString general_help;

    int solved_count = 0;  // only grows
    // The attempt shown reached its end (cleared by every start).
    bool problem_finished = false;
    int last_step = 0;     // beginner windows, from the step buttons at every showing
    // Beginner windows: entry s-1 holds the right item's position in the list
    // of step s, as decimal text; empty for the operation-scheme step.
    QStringList correct_items;

    QString exit_question = QStringLiteral("???");
    QString solved_alone_text = QStringLiteral("?");
    QString solved_with_help_text = QStringLiteral("?");

    // The launch fields, with the problem count brought within the per-problem
    // tables (1..20) and the problem within the count.
    void takeLaunch(const ExerciseLaunch& launch);
    void setProblemRange(int problem, int count);

    // Per-problem solution flags; problems outside 1..20 read 0 and ignore writes.
    bool solutionShown(int problem) const;
    void setSolutionShown(int problem, bool shown);
    bool currentSolutionShown() const { return solutionShown(current_problem); }
    void clearSolutionFlags();

    // The current problem was finished. Without the solution it adds to
    // solved_count, once per problem for the whole run.
    void recordFinished();

private:
    std::array<bool, kMaxProblems + 1> solution_shown_{};
    SolvedProblems solved_problems_;
};

}  // namespace quorvia
