// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/decision_view.h"

#include "base/resource_folder.h"
#include "exercise/accessible_names.h"
#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"
#include "exercise/hint_balloon.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/program_media.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace quorvia {

DecisionView::DecisionView(ExerciseWindow& window, const WindowOptions& options, const ExerciseWidgets& widgets,
                           FeedbackAnimations& feedback, SchemePoints points)
    : window_(window), options_(options), widgets_(widgets), feedback_(feedback), points_(std::move(points))
{
}

void DecisionView::show(const StepDecision& decision, QAbstractButton* button)
{
    switch (decision.outcome) {
    case StepOutcome::Nothing:
        return;
    case StepOutcome::CountError:
        showError(window_.panel().control<QAbstractButton>(StepPanel::stepName("H", decision.step)), decision);
        return;
    case StepOutcome::OpenNextStep:
        stepPassed(button);
        return;
    case StepOutcome::FinishProblem:
        // The step's error message has had its say.
        widgets_.msg->dismiss();
        if (decision.record)
            window_.hooks().recordProgress(*decision.record);
        points_.finishProblem(decision.step);
        return;
    }
}

void DecisionView::showError(QAbstractButton* counter, const StepDecision& error)
{
    const ExerciseWidgets& w = widgets_;
    if (counter)
        showErrorCount(*counter, error.step_errors);
    // The balloon is a notification of its own: its message is the verdict
    // a screen reader speaks, once.
    if (error.has_message)
        w.msg->showAt(counter, error.message);
    if (!error.has_message || w.msg->text().isEmpty())
        announce(window_, error.has_message ? error.message : QStringLiteral("Sbagliato, riprova"));
    w.nooo->play();
    const int total = tag(w.error_num) + 1;
    setTag(w.error_num, total);
    w.error_num->setText(ErrorBook::totalCaption(total));
    const QString animation = resourceFile(window_.state().resource_folder, QLatin1String(media::kWrongAnimation));
    if (!animation.isEmpty()) {
        points_.beforeFeedbackAnimation(w.GIF1);
        w.GIF1->loadFile(animation);
        w.GIF1->show();
        w.GIF1->start();
        feedback_.startError();
    }
}

void DecisionView::stepPassed(QAbstractButton* button)
{
    if (!button)
        return;
    const ExerciseWidgets& w = widgets_;
    w.bravo->play();
    w.msg->dismiss();
    const int step = tag(button);
    NextShape(step, &window_);
    // The step's own input, not the first entry box that happens to carry
    // its Tag (a box covered by a choice list, say).
    window_.panel().focusStepInput(step + 1);
    announce(window_, QStringLiteral("Giusto! ") + stepTask(window_.scheme(), step + 1));
    bringStepIntoView(step + 1);
    if (!options_.step_success_needs_file ||
        !resourceFile(window_.state().resource_folder, QLatin1String(media::kStepAnimation)).isEmpty()) {
        points_.beforeFeedbackAnimation(w.GIF2);
        w.GIF2->show();
        w.GIF2->start();
        feedback_.startStepSuccess();
    }
}

void DecisionView::bringStepIntoView(int step)
{
    // The whole of the focused control, the step's indicator and the
    // heading over them: in scheme 4a the first box of the column sits well
    // above the indicator and was left half under the top of the scroll box.
    QWidget* sheet = widgets_.sb_contents;
    const StepPanel& panel = window_.panel();
    const auto placeOf = [sheet](const QWidget* widget) {
        return QRect(widget->mapTo(sheet, QPoint(0, 0)), widget->size());
    };
    QRect area;
    if (QWidget* indicator = panel.widget(StepPanel::stepName("Shape0", step)))
        area = placeOf(indicator);
    if (QWidget* focused = window_.focusWidget(); focused && sheet->isAncestorOf(focused))
        area = area.isNull() ? placeOf(focused) : area.united(placeOf(focused));
    if (area.isNull())
        return;
    int headingTop = -1;
    for (const WidgetRow& row : window_.scheme().widgets) {
        QWidget* heading = row.kind == WidgetKind::Heading ? panel.widget(QLatin1String(row.name)) : nullptr;
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

}  // namespace quorvia
