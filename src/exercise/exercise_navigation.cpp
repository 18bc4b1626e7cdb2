// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between problems, the solution, the general help, the worksheet,
// print and close buttons, and the closing of the window.

#include "exercise/exercise_window.h"

#include "exercise/exercise_hooks.h"
#include "exercise/hint_balloon.h"
#include "platform/dialogs.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/controls.h"
#include "shell/main_window_services.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace quorvia {

void ExerciseWindow::LMDButton1Click()
{
    if (!platform::dialogs().askYesNo(this, state_.exit_question))
        return;
    // On the last problem the same problem starts again.
    if (state_.current_problem < state_.problem_count)
        ++state_.current_problem;
    state_.setSolutionShown(state_.current_problem, false);
    if (main_)
        main_->setProblemSpinner(state_.current_problem);
    INIZIO();
}

void ExerciseWindow::LMDButton3Click()
{
    if (!platform::dialogs().askYesNo(this, state_.exit_question))
        return;
    // The problem returned to keeps its own solution flag.
    state_.setSolutionShown(state_.current_problem, false);
    if (state_.current_problem > 1)
        --state_.current_problem;
    if (main_)
        main_->setProblemSpinner(state_.current_problem);
    INIZIO();
}

void ExerciseWindow::LMDButton11Click()
{
    if (platform::dialogs().askYesNo(this, state_.exit_question))
        close();
}

void ExerciseWindow::LMDButton8Click()
{
    platform::dialogs().showMessage(this, state_.general_help);
}

void ExerciseWindow::LMDsoluzioneClick()
{
    state_.setSolutionShown(state_.current_problem, true);
    INIZIO();
    SB->verticalScrollBar()->setValue(1000);
    // The last step's check finishes the problem with the filled-in answers;
    // during an animation it does nothing and the answers stay.
    if (auto* last = control<QAbstractButton>(stepName("B", scheme_.lastStep())))
        B1Click(last);
}

void ExerciseWindow::LMDsalvaClick()
{
    hooks_->salva(this, state_.current_problem, state_.currentSolutionShown());
}

void ExerciseWindow::LMDcaricaClick()
{
    const std::optional<WorksheetChoice> choice = hooks_->caricaINIT(this);
    if (!choice || choice->file_name.isEmpty())
        return;
    // The worksheet was checked against the per-problem tables; the range
    // is kept here as well, whoever hands the choice in.
    state_.setProblemRange(choice->problem, choice->problem_count);
    state_.setSolutionShown(state_.current_problem, choice->solution_shown);
    // The appearance settings and the main window follow the restored problem.
    if (main_)
        main_->setProblemSpinner(state_.current_problem);
    INIZIO();
    hooks_->carica(this, choice->file_name);
    // The next error of a step goes on from the count the worksheet restored.
    for (int s = 1; s <= kMaxSteps; ++s) {
        if (auto* counter = control<QAbstractButton>(stepName("H", s)))
            state_.errors.takeCounterCaption(s, counter->text());
    }
}

void ExerciseWindow::LMDButton2Click()
{
    hooks_->print(*this);
}

void ExerciseWindow::FormClose()
{
    // A sequence cut short by the closing would otherwise keep its phase
    // and end the next error or success half-way.
    stopFeedback();
    const bool withHelp = state_.currentSolutionShown();
    if (QWidget* picture = widgetNamed(withHelp ? QStringLiteral("CoccaHelp") : QStringLiteral("Image5")))
        picture->show();
    platform::soundService().stopAll();
    for (const QString& name : lastStepWidgets(true)) {
        if (QWidget* w = widgetNamed(name))
            w->show();
    }
    const int last = scheme_.lastStep();
    for (int step : {last, 1}) {
        if (auto* led = control<ShapeIndicator>(stepName("Shape0", step)))
            led->setBrushColor(QColor(255, 0, 0));
    }
    state_.clearSolutionFlags();
}

}  // namespace quorvia
