// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a problem into the window and starting it afresh.

#include "exercise/exercise_window.h"
#include "exercise/read_aloud.h"

#include "exercise/accessible_names.h"
#include "exercise/exercise_input.h"
#include "exercise/exercise_hooks.h"
#include "platform/sound.h"
#include "shell/main_window_services.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvia {

void ExerciseWindow::INIZIO()
{
    // A start during the closing sequence or an animation must not let it
    // finish on the new problem; its sound goes with it.
    if (isAnimating())
        platform::soundService().stopAll();
    feedback_.stop();
    clearAnnouncement(*this);
    readAloud_->newProblem();
    input_->newProblem();
    controller_.startProblem(main_ ? main_->childName() : QString());
    ripulisci_editfield();
    // An advanced window that finishes a problem without its closing
    // animation never runs the sequence that would bring the last step back;
    // every start does, so no later problem is left without its Verifica.
    panel_.setShown(lastStepWidgets(true), true);
    panel_.setShown({QStringLiteral("Image5"), QStringLiteral("CoccaHelp")}, false);
    const ExerciseState& state = controller_.state();
    NextShape(options_.solution_start_closes_steps && state.currentSolutionShown() ? -1 : 0, this);
    setTag(widgets_.error_num, 0);
    widgets_.error_num->setText(ErrorBook::totalCaption(0));
    // The problem is loaded only when it is within the file's count, in the
    // windows that say so.
    if (!options_.load_only_within_count || state.current_problem <= state.problem_count) {
        // The appearance settings may give the instruction line its own
        // wording; the child's name goes in front of whichever wording
        // stands, once.
        QLabel* line = widgets_.Label1;
        line->setText(widgets_.instruction_caption);
        hooks_->LOAD_COLORI(this);
        const QString instruction = line->text();
        const QString name = main_ ? main_->childName() : QString();
        line->setText(name + QStringLiteral(": ") + instruction);

        const int steps = stepCount(scheme_.scheme);
        for (int s = 1; s <= steps; ++s) {
            if (auto* counter = panel_.control<QAbstractButton>(StepPanel::stepName("H", s))) {
                setTag(counter, s);
                showErrorCount(*counter, 0);
                if (s == steps)
                    counter->show();
            }
        }

        loader_.load(controller_.problemContents(), *random_);
        ripulisci_editfield();
        if (options_.repaint_after_load)
            repaint();
    }
    nameNumberBoxes(*this, scheme_);
    widgets_.SB->verticalScrollBar()->setValue(0);
    widgets_.SB->horizontalScrollBar()->setValue(0);
    centreStepPanel(widgets_);
    if (state.currentSolutionShown())
        fillSolution();
    panel_.focusStepInput(1);
}

void ExerciseWindow::ripulisci_editfield()
{
    controller_.clearErrors();
    panel_.clearInputs();
}

void ExerciseWindow::fillSolution()
{
    panel_.fillSolution(controller_.state());
}

void ExerciseWindow::SBClick()
{
    if (options_.scroll_box_takes_focus)
        widgets_.SB->setFocus();
}

}  // namespace quorvia
