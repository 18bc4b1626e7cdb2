// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "content/formula_preparation.h"
#include "evaluator/calc_express.h"
#include "exercise/child_actions.h"
#include "exercise/exercise_builder.h"
#include "exercise/shown_text.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace quorvia::testing {

namespace {

// Longer than any animation of a window, which takes under a hundred ticks.
constexpr int kMaxAnimationTicks = 2000;

}  // namespace

void WindowDriver::start(ExerciseWindow& w, const ExerciseLaunch& launch)
{
    w.setLaunch(launch);
    w.show();
}

void WindowDriver::type(ExerciseWindow& w, const QString& box, const QString& text)
{
    if (auto* edit = find<QLineEdit>(w, box))
        typeAsChild(edit, text);
}

void WindowDriver::enter(ExerciseWindow& w, const QString& box)
{
    if (auto* edit = find<QLineEdit>(w, box))
        QTest::keyClick(edit, Qt::Key_Return);
}

void WindowDriver::click(ExerciseWindow& w, const QString& button)
{
    if (auto* b = find<QAbstractButton>(w, button))
        QTest::mouseClick(b, Qt::LeftButton);
}

void WindowDriver::choose(ExerciseWindow& w, const QString& list, int position)
{
    if (auto* combo = find<QComboBox>(w, list))
        combo->setCurrentIndex(position);
}

int WindowDriver::rightPosition(ExerciseWindow& w, const QString& list, const QString& rightText)
{
    auto* combo = find<QComboBox>(w, list);
    return combo ? combo->findText(rightText, Qt::MatchExactly) : -1;
}

void WindowDriver::pickSign(ExerciseWindow& w, const QString& label, const char* item)
{
    auto* l = find<QLabel>(w, label);
    auto* action = w.findChild<QAction*>(QLatin1String(item));
    ASSERT_TRUE(l && action) << item;
    pickMenuItemAsChild(w, l, action);
}

void WindowDriver::putSign(ExerciseWindow& w, const QString& label, const QString& sign)
{
    pickSign(w, label, menuItemFor(sign));
}

const char* WindowDriver::menuItemFor(const QString& sign)
{
    // Anything that is no sign picks ":", the last item.
    const char* item = operatorMenuItemName(sign);
    return item ? item : "N4";
}

int WindowDriver::finishAnimations(ExerciseWindow& w)
{
    const int ticks = playOutAnimations(w, kMaxAnimationTicks);
    EXPECT_GE(ticks, 0) << "an animation never ends";
    return ticks;
}

QString WindowDriver::text(ExerciseWindow& w, const QString& name)
{
    const std::optional<QString> shown = shownTextOf(w.TROVA_COMP(name));
    if (!shown)
        ADD_FAILURE() << "no text widget " << name.toStdString();
    return shown.value_or(QString());
}

QColor WindowDriver::ledColour(ExerciseWindow& w, const QString& name)
{
    auto* led = find<ShapeIndicator>(w, name);
    return led ? led->brushColor() : QColor();
}

bool WindowDriver::shown(ExerciseWindow& w, const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(w.TROVA_COMP(name));
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget && !widget->isHidden();
}

QPoint WindowDriver::place(ExerciseWindow& w, const char* name)
{
    auto* widget = find<QWidget>(w, QLatin1String(name));
    return widget ? widget->pos() : QPoint(-1, -1);
}

QString WindowDriver::inputOf(ExerciseWindow& w, int step)
{
    const StepRow* row = w.scheme().step(step);
    EXPECT_NE(row, nullptr) << "step " << step;
    if (!row)
        return QString();
    return QLatin1String(w.mode() == Mode::Advanced ? row->advanced_input : row->beginner_input);
}

void WindowDriver::putSentence(ExerciseWindow& w, int step, const QString& sentence)
{
    const QString input = inputOf(w, step);
    if (w.mode() == Mode::Advanced)
        type(w, input, sentence);
    else
        choose(w, input, rightPosition(w, input, sentence));
}

void WindowDriver::putWrongSentence(ExerciseWindow& w, int step)
{
    const QString input = inputOf(w, step);
    if (w.mode() == Mode::Advanced) {
        type(w, input, QStringLiteral("non lo so"));
        return;
    }
    const int right = w.state().correct_items.value(step - 1).toInt();
    choose(w, input, right == 1 ? 2 : 1);
}

QString WindowDriver::verificaOf(int step)
{
    return QStringLiteral("B") + QString::number(step);
}

void WindowDriver::answer(ExerciseWindow& w, int step, const QString& sentence)
{
    putSentence(w, step, sentence);
    click(w, verificaOf(step));
    finishAnimations(w);
}

void WindowDriver::answerStep(ExerciseWindow& w, const ProblemContent& problem, int step)
{
    answer(w, step, QString::fromStdString(problem.variants[step][1]));
}

void WindowDriver::answerStepsBeforeScheme(ExerciseWindow& w, const ProblemContent& problem)
{
    for (int step = 1; step < w.scheme().operationStep(); ++step)
        answerStep(w, problem, step);
}

ExpectedTexts WindowDriver::schemeAnswers(ExerciseWindow& w)
{
    return w.scheme().expectations(w.state().formulas);
}

ExpectedTexts WindowDriver::schemeAnswers(ExerciseWindow& w, const ProblemContent& problem)
{
    TCalcExpress evaluator;
    return w.scheme().expectations(prepareProblemFormulas(evaluator, w.scheme().scheme, problem, PreparedFormulas{}));
}

void WindowDriver::fillExpected(ExerciseWindow& w, const ExpectedTexts& texts)
{
    for (const ExpectedText& expected : texts) {
        if (qobject_cast<QLabel*>(w.TROVA_COMP(expected.widget)))
            putSign(w, expected.widget, expected.text);
        else
            type(w, expected.widget, expected.text);
    }
}

void WindowDriver::solveWithAnswersOf(ExerciseWindow& w, const ProblemContent& problem, Closing closing)
{
    for (const StepRow& step : w.scheme().steps) {
        finishAnimations(w);
        if (step.kind == StepKind::OperationScheme)
            fillExpected(w, schemeAnswers(w, problem));
        else
            putSentence(w, step.step, QString::fromStdString(problem.variants[step.step][1]));
        click(w, verificaOf(step.step));
    }
    if (closing == Closing::PlayedOut)
        finishAnimations(w);
}

}  // namespace quorvia::testing
