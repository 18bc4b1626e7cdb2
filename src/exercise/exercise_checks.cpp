// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the steps and what follows them: an error counted and shown,
// a step passed, the problem finished; the hints and the operator menu.

#include "exercise/exercise_window.h"

#include "exercise/hint_balloon.h"
#include "exercise/sentence_check.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/controls.h"
#include "shell/program_media.h"
#include "shell/step_indicators.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTimer>

namespace quorvia {

namespace {

const QString kGif1 = QLatin1String(media::kWrongAnimation);
const QString kGif2 = QLatin1String(media::kStepAnimation);
const QString kGif3 = QLatin1String(media::kClosingAnimation);
const QString kGif2WithHelp = QLatin1String(media::kStepAnimationWithHelp);
const QString kGif3WithHelp = QLatin1String(media::kClosingAnimationWithHelp);

}  // namespace

int ExerciseWindow::lastStep()
{
    if (mode_ == Mode::Beginner)
        return state_.last_step;
    int last = 1;
    for (QWidget* w : controlsInOrder(this)) {
        if (controlKind(w) == ControlKind::StepButton)
            last = std::max(last, tag(w));
    }
    return last;
}

void ExerciseWindow::B1Click(QAbstractButton* sender)
{
    if (!sender || isAnimating())
        return;
    const int s = tag(sender);
    auto* counter = control<QAbstractButton>(stepName("H", s));

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
        auto* list = control<QComboBox>(stepName("EB0", s));
        if (!list)
            return;
        const QString correct =
            s >= 1 && s <= state_.correct_items.size() ? state_.correct_items[s - 1] : QString();
        verdict = checkChosenItem(list->currentIndex(), correct.toStdString());
        mistake = chosenItemMistake(s, list->currentIndex(), correct.toStdString());
    }

    switch (verdict) {
    case SentenceVerdict::Ignored:
        return;
    case SentenceVerdict::Wrong:
        ERRORE(counter, s, mistake);
        return;
    case SentenceVerdict::Right:
        // The step's error message has had its say.
        msg->dismiss();
        if (s < lastStep())
            MBRAVO(sender);
        else
            finishProblem(s);
        return;
    }
}

void ExerciseWindow::operationSchemeClick()
{
    // No busy rule here: the scheme is checked even while an animation plays.
    const int step = scheme_.operationStep();
    auto* counter = control<QAbstractButton>(stepName("H", step));
    if (!state_.formulas_ready) {
        ERRORE(counter, step);
        return;
    }
    const SchemeCheckResult result = checkOperationScheme(
        scheme_.expectations(state_.formulas), [this](const QString& name) { return shownText(name); });
    if (result.passed)
        MBRAVO(control<QAbstractButton>(stepName("B", step)));
    else
        ERRORE(counter, step, {result.mistake, step, result.row});
}

void ExerciseWindow::ERRORE(QAbstractButton* counter, int step, const Mistake& mistake)
{
    const int count = state_.errors.record(step);
    if (counter)
        counter->setText(ErrorBook::counterCaption(count));
    if (step >= 1 && step <= kMaxSteps)
        msg->showAt(counter, QString::fromStdString(errorMessageFor(
                                 mistake, state_.mistakes, state_.error_messages[step].toStdString())));
    nooo->play();
    const int total = tag(error_num) + 1;
    setTag(error_num, total);
    error_num->setText(ErrorBook::totalCaption(total));
    if (resourceExists(kGif1)) {
        beforeFeedbackAnimation(GIF1);
        GIF1->loadFile(resourcePath(kGif1));
        GIF1->show();
        GIF1->start();
        clock_.startError();
        startAnimationClock();
    }
}

void ExerciseWindow::MBRAVO(QAbstractButton* button)
{
    if (!button)
        return;
    bravo->play();
    msg->dismiss();
    const int step = tag(button);
    NextShape(step, this);
    // The step's own input, not the first entry box that happens to carry
    // its Tag (a box covered by a choice list, say).
    focusStepInput(step + 1);
    // The next step comes into view, as the focus would bring it.
    if (QWidget* next = widgetNamed(stepName("Shape0", step + 1)))
        SB->ensureWidgetVisible(next, 50, 50);
    if (!departures().step_success_needs_file || resourceExists(kGif2)) {
        beforeFeedbackAnimation(GIF2);
        GIF2->show();
        GIF2->start();
        clock_.startStepSuccess();
        startAnimationClock();
    }
}

void ExerciseWindow::finishProblem(int step)
{
    const bool advanced = mode_ == Mode::Advanced;
    if (advanced) {
        if (QWidget* b = widgetNamed(stepName("B", step))) {
            b->hide();
            b->setEnabled(false);
        }
    } else {
        const int last = state_.last_step;
        for (const char* prefix : {"Shape0", "EB0", "H", "B"}) {
            if (QWidget* w = widgetNamed(stepName(prefix, last)))
                w->hide();
        }
    }

    const bool withHelp = state_.currentSolutionShown();
    state_.recordFinished();
    QString closing = kGif3, still = kGif2;
    if (!withHelp) {
        WFinale->play();
    } else {
        Afinale->play();
        closing = kGif3WithHelp;
        still = kGif2WithHelp;
    }

    if (resourceExists(closing)) {
        GIF3->loadFile(resourcePath(closing));
        GIF3->move(0, GIF3->y());
        GIF3->start();
        GIF3->show();
        GIF3->raise();
        SB->ensureWidgetVisible(GIF3, 0, 0);
        if (advanced) {
            for (const QString& name : {inputOfStep(step), stepName("H", step), stepName("Shape0", step)}) {
                if (QWidget* w = widgetNamed(name))
                    w->hide();
            }
        }
    }

    bool gif2Shown = false;
    if (resourceExists(still)) {
        GIF2->loadFile(resourcePath(still));
        GIF2->show();
        GIF2->start();
        gif2Shown = true;
    }
    // The advanced windows play the closing sequence only with its animation;
    // the beginner windows always do, and run it by the clock when it is missing.
    if (gif2Shown || !advanced) {
        clock_.startClosing(gif2Shown);
        startAnimationClock();
    }

    if (advanced)
        NextShape(step, this);
    else
        NextShape(withHelp ? -1 : 0, this);
}

void ExerciseWindow::H1Click(QAbstractButton* sender)
{
    if (!sender)
        return;
    const int t = tag(sender);
    msg->showAt(sender, t >= 1 && t <= kMaxSteps ? state_.hints[t] : QString());
}

void ExerciseWindow::Loper2MouseUp(QLabel* label, const QPoint& globalPos)
{
    if (!label)
        return;
    setTag(label, 1);
    PopupMenu1->popup(globalPos);
}

void ExerciseWindow::N1Click(QAction* item)
{
    static const char* const kSigns[] = {"", "+", "-", "X", ":"};
    const int t = item ? tag(item) : 0;
    if (t < 1 || t > 4)
        return;
    const QString sign = QLatin1String(kSigns[t]);
    for (const WidgetRow& row : scheme_.widgets) {
        if (row.kind != WidgetKind::OperatorLabel)
            continue;
        auto* label = control<QLabel>(QLatin1String(row.name));
        if (label && tag(label) == 1) {
            showText(label->objectName(), sign);
            setTag(label, 0);
        }
    }
}

}  // namespace quorvia
