// SPDX-License-Identifier: GPL-3.0-or-later
// The child's input to an exercise window: clicks, keys and mouse releases
// on its widgets, handed to the window's handlers; the hints and the
// operator menu, which touch nothing but what they show.

#include "exercise/exercise_input.h"

#include "content/operator_signs.h"
#include "exercise/exercise_hooks.h"
#include "exercise/exercise_window.h"
#include "exercise/hint_balloon.h"
#include "exercise/step_controller.h"
#include "widgets/controls.h"
#include "widgets/step_indicators.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace quorvia {

ExerciseInput::ExerciseInput(ExerciseWindow& window, const ExerciseWidgets& widgets, StepController& controller)
    : window_(window), widgets_(widgets), controller_(controller)
{
    connectHandlers();
}

void ExerciseInput::connectHandlers()
{
    const int operation = window_.scheme().operationStep();
    for (const WidgetRow& row : window_.scheme().widgets) {
        QWidget* w = window_.panel().widget(QLatin1String(row.name));
        if (!w)
            continue;
        switch (row.kind) {
        case WidgetKind::VerificaButton: {
            auto* b = static_cast<QAbstractButton*>(w);
            if (tag(b) == operation)
                connect(b, &QAbstractButton::clicked, this, [this] { window_.guarded([&] { window_.operationSchemeClick(); }); });
            else
                connect(b, &QAbstractButton::clicked, this, [this, b] { window_.guarded([&] { window_.B1Click(b); }); });
            break;
        }
        case WidgetKind::ErrorButton: {
            auto* b = static_cast<QAbstractButton*>(w);
            connect(b, &QAbstractButton::clicked, this, [this, b] { window_.guarded([&] { H1Click(b); }); });
            break;
        }
        case WidgetKind::SentenceBox:
        case WidgetKind::CoveredBox:
        case WidgetKind::ChoiceList:
        case WidgetKind::OperatorLabel:
        case WidgetKind::EqualsLabel:
        case WidgetKind::MenuLabel:
        case WidgetKind::Heading:
            w->installEventFilter(this);
            break;
        case WidgetKind::NumberBox: {
            auto* box = static_cast<QLineEdit*>(w);
            installNumberKeyFilter(box, &window_, QLatin1String(window_.scheme().result_box),
                                   [this] { window_.guarded([&] { window_.operationSchemeClick(); }); },
                                   [this, box] { numberKeyRefused(box); });
            // Letters show in capitals, as they are typed.
            connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
                const QString upper = text.toUpper();
                if (upper != text) {
                    const int cursor = box->cursorPosition();
                    box->setText(upper);
                    box->setCursorPosition(cursor);
                }
            });
            break;
        }
        default:
            break;
        }
    }
    for (const MirrorRule& mirror : window_.scheme().mirrors) {
        auto* source = window_.panel().control<QLineEdit>(QLatin1String(mirror.source));
        auto* target = window_.panel().control<QLineEdit>(QLatin1String(mirror.target));
        // The source's text as it stands, not the signal's: the capitals
        // rule rewrites a typed letter while its change is still being
        // announced, and the copy must not end on the letter as typed.
        if (source && target)
            connect(source, &QLineEdit::textChanged, target, [source, target] { target->setText(source->text()); });
    }

    const ExerciseWidgets& w = widgets_;
    w.Titolo->installEventFilter(this);
    w.Label1->installEventFilter(this);
    w.Memo1->viewport()->installEventFilter(this);
    w.SB->installEventFilter(this);
    w.SB->viewport()->installEventFilter(this);
    w.sb_contents->installEventFilter(this);

    // A balloon left behind by a scroll would point at another button.
    for (QScrollBar* bar : {w.SB->verticalScrollBar(), w.SB->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, w.msg, &HintBalloon::dismiss);

    connect(w.PopupMenu1, &QMenu::triggered, this, [this](QAction* item) { window_.guarded([&] { N1Click(item); }); });
    connect(w.Timer1, &QTimer::timeout, this, [this] { window_.guarded([&] { window_.Timer1Timer(); }); });
}

bool ExerciseInput::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const ExerciseWidgets& w = widgets_;
    if (watched == w.SB && type == QEvent::Resize) {
        centreStepPanel(widgets_);
        return false;
    }
    if ((watched == w.SB->viewport() || watched == w.sb_contents) && type == QEvent::MouseButtonPress) {
        window_.SBClick();
        return false;
    }
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keys_.controlKey(qobject_cast<QWidget*>(watched), *key))
            return true;
        if (qobject_cast<QComboBox*>(watched)) {
            // The child chooses with the mouse or the arrow keys; typed
            // characters would pick items by their first letter.
            const bool character = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                                   key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
            return character;
        }
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                window_.guarded([&] {
                    if (auto* b = window_.panel().control<QAbstractButton>(StepPanel::stepName("B", tag(box))))
                        window_.B1Click(b);
                });
                return true;
            }
        }
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        const WidgetRow* row = label ? window_.scheme().widget(label->objectName()) : nullptr;
        if (row && (row->kind == WidgetKind::OperatorLabel || row->kind == WidgetKind::EqualsLabel ||
                     row->kind == WidgetKind::MenuLabel)) {
            window_.guarded([&] { Loper2MouseUp(label, mouse->globalPosition().toPoint()); });
            return true;
        }
        QWidget* control = watched == w.Memo1->viewport() ? w.Memo1 : qobject_cast<QWidget*>(watched);
        if (control && (control == w.Memo1 || control == w.Titolo || control == w.Label1 ||
                        (row && row->kind == WidgetKind::Heading))) {
            window_.guarded([&] { window_.hooks().xMouseUp(&window_, control, mouse); });
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}

void ExerciseInput::numberKeyRefused(QLineEdit* box)
{
    // Said once a step: a child typing "5 + 6" across the column learns where
    // the signs go, and is not told again at every key.
    const int step = tag(box);
    if (told_steps_.contains(step))
        return;
    told_steps_.insert(step);
    widgets_.msg->showAt(box, QStringLiteral("Qui vanno solo numeri: i segni si scelgono nel quadratino giallo."));
}

void ExerciseInput::H1Click(QAbstractButton* sender)
{
    if (!sender)
        return;
    widgets_.msg->showAt(sender, controller_.hint(tag(sender)));
}

void ExerciseInput::Loper2MouseUp(QLabel* label, const QPoint& globalPos)
{
    if (!label)
        return;
    setTag(label, 1);
    widgets_.PopupMenu1->popup(globalPos);
}

void ExerciseInput::N1Click(QAction* item)
{
    const QString sign = QString::fromStdString(operatorSignOfTag(item ? tag(item) : 0));
    if (sign.isEmpty())
        return;
    for (const WidgetRow& row : window_.scheme().widgets) {
        if (row.kind != WidgetKind::OperatorLabel)
            continue;
        auto* label = window_.panel().control<QLabel>(QLatin1String(row.name));
        if (label && tag(label) == 1) {
            window_.panel().putText(label->objectName(), sign);
            setTag(label, 0);
        }
    }
}

}  // namespace quorvia
