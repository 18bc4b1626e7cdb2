// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the steps and how the window shows what the step flow
// decides: an error counted and shown, a step passed, the problem finished;
// the hints and the operator menu.

#include "exercise/exercise_window.h"

#include "exercise/accessible_names.h"
#include "exercise/exercise_input.h"
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
    return mode_ == Mode::Beginner ? state_.last_step : LastButton_Verifica(this);
}

void ExerciseWindow::B1Click(QAbstractButton* sender)
{
    if (!sender || isAnimating())
        return;
    const int s = tag(sender);

    SentenceVerdict verdict = SentenceVerdict::Ignored;
    Mistake mistake;
    if (mode_ == Mode::Advanced) {
        QLineEdit* box = nullptr;
        for (QWidget* w : controlsInOrder(this)) {
            if (controlKind(w) == ControlKind::EntryBox && tag(w) == s) {
                box = static_cast<QLineEdit*>(w);
                break;
            }
        }
        if (!box || s < 1 || s > kMaxSteps)
            return;
        verdict = checkTypedSentence(box->text().toStdString(), state_.answer_table[s]);
        mistake = typedSentenceMistake(s, box->text().toStdString(), state_.mistakes);
    } else {
        auto* list = panel_.control<QComboBox>(StepPanel::stepName("EB0", s));
        if (!list)
            return;
        const QString correct =
            s >= 1 && s <= state_.correct_items.size() ? state_.correct_items[s - 1] : QString();
        verdict = checkChosenItem(list->currentIndex(), correct.toStdString());
        mistake = chosenItemMistake(s, list->currentIndex(), correct.toStdString());
    }
    showDecision(flow_.afterSentence(s, verdict, mistake, lastStep()), sender);
}

void ExerciseWindow::operationSchemeClick()
{
    // No busy rule here: the scheme is checked even while an animation plays.
    const int step = scheme_.operationStep();
    SchemeCheckResult result;
    if (state_.formulas_ready) {
        result = checkOperationScheme(scheme_.expectations(state_.formulas),
                                      [this](const QString& name) { return panel_.shownText(name); });
    }
    showDecision(flow_.afterScheme(step, state_.formulas_ready, result),
                 panel_.control<QAbstractButton>(StepPanel::stepName("B", step)));
}

void ExerciseWindow::showDecision(const StepDecision& decision, QAbstractButton* button)
{
    switch (decision.outcome) {
    case StepOutcome::Nothing:
        return;
    case StepOutcome::CountError:
        showError(panel_.control<QAbstractButton>(StepPanel::stepName("H", decision.step)), decision);
        return;
    case StepOutcome::OpenNextStep:
        MBRAVO(button);
        return;
    case StepOutcome::FinishProblem:
        // The step's error message has had its say.
        widgets_.msg->dismiss();
        problemEnds(decision.with_help ? progress::Outcome::SolvedWithSolution : progress::Outcome::SolvedAlone);
        finishProblem(decision.step);
        return;
    }
}

void ExerciseWindow::ERRORE(QAbstractButton* counter, int step, const Mistake& mistake)
{
    showError(counter, flow_.wrong(step, mistake));
}

void ExerciseWindow::showError(QAbstractButton* counter, const StepDecision& error)
{
    const ExerciseWidgets& w = widgets_;
    attempt_.countError(error.step);
    if (counter)
        showErrorCount(*counter, error.step_errors);
    // The balloon is a notification of its own: its message is the verdict
    // a screen reader speaks, once.
    if (error.has_message)
        w.msg->showAt(counter, error.message);
    if (!error.has_message || w.msg->text().isEmpty())
        announce(*this, error.has_message ? error.message : QStringLiteral("Sbagliato, riprova"));
    w.nooo->play();
    const int total = tag(w.error_num) + 1;
    setTag(w.error_num, total);
    w.error_num->setText(ErrorBook::totalCaption(total));
    const QString animation = resourcePath(QLatin1String(media::kWrongAnimation));
    if (!animation.isEmpty()) {
        beforeFeedbackAnimation(w.GIF1);
        w.GIF1->loadFile(animation);
        w.GIF1->show();
        w.GIF1->start();
        feedback_.startError();
    }
}

void ExerciseWindow::MBRAVO(QAbstractButton* button)
{
    if (!button)
        return;
    const ExerciseWidgets& w = widgets_;
    w.bravo->play();
    w.msg->dismiss();
    const int step = tag(button);
    NextShape(step, this);
    // The step's own input, not the first entry box that happens to carry
    // its Tag (a box covered by a choice list, say).
    panel_.focusStepInput(step + 1);
    announce(*this, QStringLiteral("Giusto! ") + stepTask(scheme_, step + 1));
    bringStepIntoView(step + 1);
    if (!options_.step_success_needs_file || !resourcePath(QLatin1String(media::kStepAnimation)).isEmpty()) {
        beforeFeedbackAnimation(w.GIF2);
        w.GIF2->show();
        w.GIF2->start();
        feedback_.startStepSuccess();
    }
}

void ExerciseWindow::bringStepIntoView(int step)
{
    // The whole of the focused control, the step's indicator and the
    // heading over them: in scheme 4a the first box of the column sits well
    // above the indicator and was left half under the top of the scroll box.
    QWidget* sheet = widgets_.sb_contents;
    const auto placeOf = [sheet](const QWidget* widget) {
        return QRect(widget->mapTo(sheet, QPoint(0, 0)), widget->size());
    };
    QRect area;
    if (QWidget* indicator = panel_.widget(StepPanel::stepName("Shape0", step)))
        area = placeOf(indicator);
    if (QWidget* focused = focusWidget(); focused && sheet->isAncestorOf(focused))
        area = area.isNull() ? placeOf(focused) : area.united(placeOf(focused));
    if (area.isNull())
        return;
    int headingTop = -1;
    for (const WidgetRow& row : scheme_.widgets) {
        QWidget* heading = row.kind == WidgetKind::Heading ? panel_.widget(QLatin1String(row.name)) : nullptr;
        if (!heading || !heading->isVisible() || !sheet->isAncestorOf(heading))
            continue;
        const QRect place = placeOf(heading);
        if (place.top() <= area.top() && place.top() > headingTop)
            headingTop = place.top();
    }
    if (headingTop >= 0)
        area.setTop(headingTop);
    constexpr int kMargin = 10;
    // The top of the area first when it is taller than the view.
    const int viewHeight = widgets_.SB->viewport()->height();
    if (area.height() + 2 * kMargin > viewHeight)
        area.setHeight(std::max(1, viewHeight - 2 * kMargin));
    widgets_.SB->ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + kMargin,
                               area.height() / 2 + kMargin);
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
        const int last = state_.last_step;
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
    const bool withHelp = state_.currentSolutionShown();
    announce(*this, withHelp ? QStringLiteral("Ecco la soluzione del problema")
                             : QStringLiteral("Bravo! Problema risolto"));
    (withHelp ? w.Afinale : w.WFinale)->play();
    const QString closing =
        resourcePath(QLatin1String(withHelp ? media::kClosingAnimationWithHelp : media::kClosingAnimation));
    const QString still =
        resourcePath(QLatin1String(withHelp ? media::kStepAnimationWithHelp : media::kStepAnimation));

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
    input_->keys().focusAfterFinish();
}

}  // namespace quorvia
