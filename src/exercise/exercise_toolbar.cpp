// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between problems, the solution, the general help, the worksheet,
// print and close buttons.

#include "exercise/exercise_toolbar.h"

#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"
#include "exercise/step_controller.h"
#include "platform/dialogs.h"
#include "shell/main_window_services.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvia {

ExerciseToolBar::ExerciseToolBar(ExerciseWindow& window, StepController& controller)
    : window_(window), controller_(controller)
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
    return !controller_.asksBeforeLeaving() ||
           platform::dialogs().askYesNo(&window_, controller_.state().exit_question);
}

void ExerciseToolBar::start(const ProblemMove& move)
{
    if (move.record)
        window_.hooks().recordProgress(*move.record);
    // The appearance settings and the main window follow the problem.
    if (MainWindowServices* main = window_.mainWindow())
        main->setProblemSpinner(move.problem);
    window_.INIZIO();
}

void ExerciseToolBar::LMDButton1Click()
{
    if (mayLeave())
        start(controller_.next());
}

void ExerciseToolBar::LMDButton3Click()
{
    if (mayLeave())
        start(controller_.previous());
}

void ExerciseToolBar::LMDButton11Click()
{
    if (mayLeave())
        window_.close();
}

void ExerciseToolBar::LMDButton8Click()
{
    platform::dialogs().showMessage(&window_, controller_.state().general_help);
}

void ExerciseToolBar::LMDsoluzioneClick()
{
    controller_.showSolution();
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
    const ExerciseState& state = controller_.state();
    window_.hooks().salva(&window_, state.current_problem, state.currentSolutionShown());
}

void ExerciseToolBar::LMDcaricaClick()
{
    const std::optional<WorksheetChoice> choice = window_.hooks().caricaINIT(&window_);
    if (!choice || choice->file_name.isEmpty())
        return;
    start(controller_.restore(choice->problem, choice->problem_count, choice->solution_shown));
    window_.hooks().carica(&window_, choice->file_name);
    // The next error of a step goes on from the count the worksheet restored.
    for (int s = 1; s <= kMaxSteps; ++s) {
        if (auto* counter = window_.panel().control<QAbstractButton>(StepPanel::stepName("H", s)))
            controller_.restoreErrorCount(s, counter->text());
    }
}

void ExerciseToolBar::LMDButton2Click()
{
    window_.hooks().print(window_);
}

}  // namespace quorvia
