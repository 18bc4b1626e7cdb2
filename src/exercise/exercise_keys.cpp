// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise_keys.h"

#include "content/operator_signs.h"
#include "exercise/exercise_input.h"
#include "exercise/exercise_window.h"
#include "widgets/controls.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

namespace quorvia {

namespace {

bool isEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// The close button's own question, and nothing more or less.
void askToClose(ExerciseWindow& window)
{
    if (auto* close = window.panel().control<QAbstractButton>(QStringLiteral("LMDButton11")))
        close->click();
}

void toggleFullScreen(ExerciseWindow& window)
{
    window.setWindowState(window.windowState() ^ Qt::WindowFullScreen);
}

}  // namespace

const std::vector<ExerciseKeys::WindowKey>& ExerciseKeys::windowKeys()
{
    static const std::vector<WindowKey> keys = {
        {Qt::Key_Escape, "chiude la finestra, dopo la domanda", &askToClose},
        {Qt::Key_F11, "schermo intero e ritorno", &toggleFullScreen},
    };
    return keys;
}

ExerciseKeys::ExerciseKeys(ExerciseWindow& window, ExerciseInput& input) : window_(window), input_(input) {}

bool ExerciseKeys::windowKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    for (const WindowKey& k : windowKeys()) {
        if (key.key() == k.key) {
            window_.guarded([&] { k.run(window_); });
            return true;
        }
    }
    // Enter presses a focused button, as Space does: a child tries Enter first.
    if (isEnter(key)) {
        if (auto* button = qobject_cast<QAbstractButton*>(window_.focusWidget());
            button && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

bool ExerciseKeys::controlKey(QWidget* control, const QKeyEvent& key)
{
    const WidgetRow* row = control ? window_.scheme().widget(control->objectName()) : nullptr;
    if (!row)
        return false;
    switch (row->kind) {
    case WidgetKind::OperatorLabel:
        return operatorLabelKey(control, key);
    case WidgetKind::ChoiceList:
        return choiceListKey(control, key);
    default:
        return false;
    }
}

bool ExerciseKeys::operatorLabelKey(QWidget* control, const QKeyEvent& key)
{
    auto* label = qobject_cast<QLabel*>(control);
    if (!label || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key.key() == Qt::Key_Space || isEnter(key)) {
        // The menu opens under the label, where the mouse would have opened it.
        window_.guarded([&] { input_.Loper2MouseUp(label, label->mapToGlobal(QPoint(0, label->height()))); });
        return true;
    }
    const QString typed = key.text();
    const std::string sign =
        typed.size() == 1 ? operatorSignOfTypedKey(typed.at(0).toLatin1()) : std::string();
    if (sign.empty())
        return false;
    window_.guarded([&] { window_.panel().putText(label->objectName(), QString::fromStdString(sign)); });
    return true;
}

bool ExerciseKeys::choiceListKey(QWidget* list, const QKeyEvent& key)
{
    if (!isEnter(key))
        return false;
    for (const StepRow& step : window_.scheme().steps) {
        if (list->objectName() != QLatin1String(step.beginner_input))
            continue;
        if (auto* verifica = window_.panel().control<QAbstractButton>(StepPanel::stepName("B", step.step))) {
            window_.guarded([&] { window_.B1Click(verifica); });
            return true;
        }
    }
    return false;
}

}  // namespace quorvia
