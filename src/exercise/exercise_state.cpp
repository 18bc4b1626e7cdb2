// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_state.h"

#include <algorithm>

namespace quorvia {

void ExerciseState::takeLaunch(const ExerciseLaunch& launch)
{
    resource_folder = launch.resource_folder;
    problem_file_name = launch.problem_file_name;
    scheme_code = launch.scheme_code;
    setProblemRange(launch.current_problem, launch.problem_count);
}

void ExerciseState::setProblemRange(int problem, int count)
{
    problem_count = std::clamp(count, 1, kMaxProblems);
    current_problem = std::clamp(problem, 1, problem_count);
}

bool ExerciseState::solutionShown(int problem) const
{
    return problem >= 1 && problem <= kMaxProblems && solution_shown_[problem];
}

void ExerciseState::setSolutionShown(int problem, bool shown)
{
    if (problem >= 1 && problem <= kMaxProblems)
        solution_shown_[problem] = shown;
}

void ExerciseState::clearSolutionFlags()
{
    for (int p = 1; p <= problem_count; ++p)
        setSolutionShown(p, false);
}

void ExerciseState::recordFinished()
{
    problem_finished = true;
    if (!currentSolutionShown() && solved_problems_.record(problem_file_name.toStdString(), current_problem))
        ++solved_count;
}

}  // namespace quorvia
