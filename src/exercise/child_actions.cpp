// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/child_actions.h"

#include "content/operator_signs.h"
#include "exercise/exercise_window.h"
#include "widgets/controls.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace quorvia {

namespace {

// One character as a key press and release, the way typing sends it.
void typeCharacter(QWidget* target, const QString& character)
{
    const int key = character.size() == 1 ? character.at(0).toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

}  // namespace

bool typeAsChild(QLineEdit* box, const QString& text)
{
    if (!box)
        return false;
    box->clear();
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        typeCharacter(box, text.mid(i, length));
        i += length - 1;
    }
    return box->text() == text;
}

QAction* operatorMenuItem(ExerciseWindow& window, const QString& sign)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    const int wanted = operatorTagOfSign(sign.toStdString());
    if (!menu || !wanted)
        return nullptr;
    for (QAction* action : menu->actions()) {
        if (tag(action) == wanted)
            return action;
    }
    return nullptr;
}

bool pickMenuItemAsChild(ExerciseWindow& window, QLabel* label, QAction* item)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    if (!menu || !label || !item)
        return false;
    const QPointF inside(label->width() / 2.0, label->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &release);
    item->trigger();
    menu->hide();
    return label->text() == QString::fromStdString(operatorSignOfTag(tag(item)));
}

int playOutAnimations(ExerciseWindow& window, int maxTicks)
{
    int ticks = 0;
    for (; window.isAnimating(); ++ticks) {
        if (ticks >= maxTicks)
            return -1;
        window.Timer1Timer();
    }
    return ticks;
}

}  // namespace quorvia
