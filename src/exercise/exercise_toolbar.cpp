// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between problems, the solution, the general help, the worksheet,
// print and close buttons.

#include "exercise/exercise_toolbar.h"

#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"
#include "platform/dialogs.h"
#include "shell/main_window_services.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvia {

ExerciseToolBar::ExerciseToolBar(ExerciseWindow& window, ExerciseState& state)
    : window_(window), state_(state)
{
    connectButtons();
}

void ExerciseToolBar::connectButtons()
{
    const auto onClick = [this](const char* name, void (ExerciseToolBar::*handler)()) {
        auto* b = window_.panel().control<QAbstractButton>(QLatin1String(name));
        if (b) {
            QObject::connect(b, &QAbstractButton::clicked, &window_,
                             [this, handler] { window_.guarded([&] { (this->*handler)(); }); });
        }
    };
    onClick("LMDButton11", &ExerciseToolBar::LMDButton11Click);
    onClick("LMDcarica", &ExerciseToolBar::LMDcaricaClick);
    onClick("LMDsalva", &ExerciseToolBar::LMDsalvaClick);
    onClick("LMDButton2", &ExerciseToolBar::LMDButton2Click);
    onClick("LMDButton8", &ExerciseToolBar::LMDButton8Click);
    onClick("LMDButton3", &ExerciseToolBar::LMDButton3Click);
    onClick("LMDButton1", &ExerciseToolBar::LMDButton1Click);
    onClick("LMDsoluzione", &ExerciseToolBar::LMDsoluzioneClick);
}

bool ExerciseToolBar::mayLeave()
{
    // The question guards work in progress; a finished problem has none.
    return state_.problem_finished || platform::dialogs().askYesNo(&window_, state_.exit_question);
}

void ExerciseToolBar::LMDButton1Click()
{
    if (!mayLeave())
        return;
    window_.problemEnds(progress::Outcome::LeftNext);
    // On the last problem the same problem starts again.
    if (state_.current_problem < state_.problem_count)
        ++state_.current_problem;
    state_.setSolutionShown(state_.current_problem, false);
    if (MainWindowServices* main = window_.mainWindow())
        main->setProblemSpinner(state_.current_problem);
    window_.INIZIO();
}

void ExerciseToolBar::LMDButton3Click()
{
    if (!mayLeave())
        return;
    window_.problemEnds(progress::Outcome::LeftPrevious);
    // The problem returned to keeps its own solution flag.
    state_.setSolutionShown(state_.current_problem, false);
    if (state_.current_problem > 1)
        --state_.current_problem;
    if (MainWindowServices* main = window_.mainWindow())
        main->setProblemSpinner(state_.current_problem);
    window_.INIZIO();
}

void ExerciseToolBar::LMDButton11Click()
{
    if (mayLeave())
        window_.close();
}

void ExerciseToolBar::LMDButton8Click()
{
    platform::dialogs().showMessage(&window_, state_.general_help);
}

void ExerciseToolBar::LMDsoluzioneClick()
{
    state_.setSolutionShown(state_.current_problem, true);
    window_.INIZIO();
    if (auto* steps = window_.panel().control<QScrollArea>(QStringLiteral("SB")))
        steps->verticalScrollBar()->setValue(1000);
    // The last step's check finishes the problem with the filled-in answers;
    // during an animation it does nothing and the answers stay.
    const QString last = StepPanel::stepName("B", window_.scheme().lastStep());
    if (auto* button = window_.panel().control<QAbstractButton>(last))
        window_.B1Click(button);
}

void ExerciseToolBar::LMDsalvaClick()
{
    window_.hooks().salva(&window_, state_.current_problem, state_.currentSolutionShown());
}

void ExerciseToolBar::LMDcaricaClick()
{
    const std::optional<WorksheetChoice> choice = window_.hooks().caricaINIT(&window_);
    if (!choice || choice->file_name.isEmpty())
        return;
    window_.problemEnds(progress::Outcome::LeftRestore);
    // The worksheet was checked against the per-problem tables; the range
    // is kept here as well, whoever hands the choice in.
    state_.setProblemRange(choice->problem, choice->problem_count);
    state_.setSolutionShown(state_.current_problem, choice->solution_shown);
    // The appearance settings and the main window follow the restored problem.
    if (MainWindowServices* main = window_.mainWindow())
        main->setProblemSpinner(state_.current_problem);
    window_.INIZIO();
    window_.hooks().carica(&window_, choice->file_name);
    // The next error of a step goes on from the count the worksheet restored.
    for (int s = 1; s <= kMaxSteps; ++s) {
        if (auto* counter = window_.panel().control<QAbstractButton>(StepPanel::stepName("H", s)))
            state_.errors.takeCounterCaption(s, counter->text());
    }
}

void ExerciseToolBar::LMDButton2Click()
{
    window_.hooks().print(window_);
}

}  // namespace quorvia
