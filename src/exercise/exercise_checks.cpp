// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the steps, handed to the step controller with the child's
// input, and the closing sequence of a finished problem.

#include "exercise/exercise_window.h"

#include "base/resource_folder.h"
#include "exercise/accessible_names.h"
#include "exercise/hint_balloon.h"
#include "exercise/sentence_check.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/program_media.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>

namespace quorvia {

int ExerciseWindow::lastStep()
{
    return mode_ == Mode::Beginner ? controller_.state().last_step : LastButton_Verifica(this);
}

void ExerciseWindow::B1Click(QAbstractButton* sender)
{
    if (!sender || isAnimating())
        return;
    const int s = tag(sender);

    // The step's input in the window's mode; which check it gets is the controller's.
    StepInput input;
    if (mode_ == Mode::Advanced) {
        QLineEdit* box = nullptr;
        for (QWidget* w : controlsInOrder(this)) {
            if (controlKind(w) == ControlKind::EntryBox && tag(w) == s) {
                box = static_cast<QLineEdit*>(w);
                break;
            }
        }
        if (!box)
            return;
        input.typed = box->text();
    } else {
        auto* list = panel_.control<QComboBox>(StepPanel::stepName("EB0", s));
        if (!list)
            return;
        input.chosen = list->currentIndex();
    }
    decisions_.show(controller_.checkSentence(s, input, lastStep()), sender);
}

void ExerciseWindow::operationSchemeClick()
{
    // No busy rule here: the scheme is checked even while an animation plays.
    const StepDecision decision =
        controller_.checkScheme([this](const QString& name) { return panel_.shownText(name); });
    decisions_.show(decision, panel_.control<QAbstractButton>(StepPanel::stepName("B", decision.step)));
}

void ExerciseWindow::finishProblem(int step)
{
    const ExerciseWidgets& w = widgets_;
    const bool advanced = mode_ == Mode::Advanced;
    // The closing sequence of a window that always runs it, whether or not
    // its pictures are there.
    const bool always = options_.closing_always_runs;
    if (advanced) {
        if (QWidget* b = panel_.widget(StepPanel::stepName("B", step))) {
            b->hide();
            b->setEnabled(false);
        }
    } else {
        const int last = controller_.state().last_step;
        for (const char* prefix : {"Shape0", "EB0", "H", "B"})
            panel_.setShown({StepPanel::stepName(prefix, last)}, false);
    }
    if (always) {
        panel_.hideAnswerRows();
        w.GIF3->clear();
        w.GIF2->clear();
    }

    // The step flow has recorded the end; the solution's flag tells which
    // sequence it is.
    const bool withHelp = controller_.state().currentSolutionShown();
    announce(*this, withHelp ? QStringLiteral("Ecco la soluzione del problema")
                             : QStringLiteral("Bravo! Problema risolto"));
    (withHelp ? w.Afinale : w.WFinale)->play();
    const QString& folder = controller_.state().resource_folder;
    const QString closing =
        resourceFile(folder, QLatin1String(withHelp ? media::kClosingAnimationWithHelp : media::kClosingAnimation));
    const QString still =
        resourceFile(folder, QLatin1String(withHelp ? media::kStepAnimationWithHelp : media::kStepAnimation));

    if (!closing.isEmpty())
        w.GIF3->loadFile(closing);
    if (!closing.isEmpty() || always) {
        w.GIF3->move(0, w.GIF3->y());
        w.GIF3->start();
        w.GIF3->show();
        w.GIF3->raise();
        w.SB->ensureWidgetVisible(w.GIF3, 0, 0);
        if (advanced)
            panel_.setShown({panel_.inputOfStep(step), StepPanel::stepName("H", step),
                             StepPanel::stepName("Shape0", step)},
                            false);
    }

    if (!still.isEmpty())
        w.GIF2->loadFile(still);
    const bool gif2Shown = !still.isEmpty() || always;
    if (gif2Shown) {
        w.GIF2->show();
        w.GIF2->start();
    }
    // The advanced windows play the closing sequence only with its animation;
    // the beginner windows always do, and run it by the clock when it is missing.
    if (gif2Shown || !advanced) {
        feedback_.startClosing(gif2Shown);
    }

    if (advanced)
        NextShape(step, this);
    else
        NextShape(withHelp ? -1 : 0, this);
}

}  // namespace quorvia
