// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/step_indicators.h"

#include "content/scheme.h"
#include "evaluator/decimal_number.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace quorvia {
namespace {

constexpr QChar kBackspace(8);
constexpr QChar kEnter(13);
constexpr QChar kNoKey(0);

QString stepName(const char* prefix, int step)
{
    return QLatin1String(prefix) + QString::number(step);
}

void setEnabledByName(QWidget* window, const QString& name, bool enabled)
{
    if (auto* widget = qobject_cast<QWidget*>(findControl(window, name)))
        widget->setEnabled(enabled);
}

void paintShape(QWidget* window, const QString& name, const QColor& color)
{
    if (auto* shape = qobject_cast<ShapeIndicator*>(findControl(window, name)))
        shape->setBrushColor(color);
}

// The next control typing goes on in, after `control`: the next in the
// window's focus chain that takes Tab focus and is enabled and visible.
// Buttons and labels take Tab for the keyboard's sake but hold no typing,
// so Enter passes them by.
QWidget* nextFocusable(QWidget* control, QWidget* window)
{
    QWidget* candidate = control->nextInFocusChain();
    while (candidate && candidate != control) {
        const bool holdsTyping = !qobject_cast<QAbstractButton*>(candidate) && !qobject_cast<QLabel*>(candidate);
        if (holdsTyping && (candidate->focusPolicy() & Qt::TabFocus) && candidate->isEnabled() &&
            candidate->isVisible() && candidate->window() == control->window() &&
            !candidate->focusProxy() && (!window || window->isAncestorOf(candidate)))
            return candidate;
        candidate = candidate->nextInFocusChain();
    }
    return nullptr;
}

void openStep(int step, QWidget* window)
{
    setEnabledByName(window, stepName("EB0", step), true);
    setEnabledByName(window, stepName("B", step), true);
    setEnabledByName(window, stepName("H", step), true);
    paintShape(window, stepName("Shape0", step), kStepCurrent);
}

void closeEveryStep(QWidget* window)
{
    for (QWidget* control : controlsInOrder(window)) {
        switch (controlKind(control)) {
        case ControlKind::Shape:
            static_cast<ShapeIndicator*>(control)->setBrushColor(kStepAhead);
            break;
        case ControlKind::EntryBox:
        case ControlKind::ChoiceList:
        case ControlKind::StepButton:
            control->setEnabled(false);
            break;
        default:
            break;
        }
    }
}

class NumberKeyFilter : public QObject {
public:
    NumberKeyFilter(QLineEdit* box, QWidget* window, QString lastBoxName,
                    std::function<void()> onVerifica, std::function<void()> onRefused)
        : QObject(box), window_(window), last_box_name_(std::move(lastBoxName)),
          on_verifica_(std::move(onVerifica)), on_refused_(std::move(onRefused))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || retyping_)
            return false;
        auto* box = static_cast<QLineEdit*>(watched);
        auto* press = static_cast<QKeyEvent*>(event);
        const QChar original = keyCharacter(*press);
        if (original.isNull())
            return false;  // arrows, function keys: not typed characters

        QChar key = original;
        const bool verifica = MKeyPress(box, key, last_box_name_, window_);
        if (verifica && on_verifica_)
            on_verifica_();
        if (key.isNull()) {
            if (original != kEnter && on_refused_)
                on_refused_();
            return true;
        }
        if (key == original)
            return false;
        // Type the replacement instead of the key that was pressed.
        QKeyEvent replacement(QEvent::KeyPress, int(key.toUpper().unicode()), press->modifiers(),
                              QString(key));
        retyping_ = true;
        QCoreApplication::sendEvent(box, &replacement);
        retyping_ = false;
        return true;
    }

private:
    static QChar keyCharacter(const QKeyEvent& press)
    {
        switch (press.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Backspace:
            return kBackspace;
        default:
            break;
        }
        const QString text = press.text();
        return text.size() == 1 ? text.at(0) : QChar();
    }

    QPointer<QWidget> window_;
    QString last_box_name_;
    std::function<void()> on_verifica_;
    std::function<void()> on_refused_;
    bool retyping_ = false;
};

}  // namespace

QString stepStateText(const QColor& color)
{
    if (color == kStepAhead)
        return QStringLiteral("da fare");
    if (color == kStepCurrent)
        return QStringLiteral("aperto");
    if (color == kStepDone)
        return QStringLiteral("fatto");
    return QString();
}

void NextShape(int step, QWidget* window)
{
    if (!window)
        return;
    if (step <= 0) {
        closeEveryStep(window);
        if (step == 0) {
            openStep(1, window);
            setEnabledByName(window, QStringLiteral("LMDdomanda"), true);
            setEnabledByName(window, QStringLiteral("E01"), true);
        }
        return;
    }

    QWidget* first_box = nullptr;
    for (QWidget* control : controlsInOrder(window)) {
        if (controlKind(control) != ControlKind::EntryBox)
            continue;
        const bool next_step = tag(control) == step + 1;
        control->setEnabled(next_step);
        if (next_step && !first_box)
            first_box = control;
    }
    if (first_box)
        first_box->setFocus(Qt::OtherFocusReason);

    setEnabledByName(window, stepName("EB0", step), false);
    setEnabledByName(window, stepName("B", step), false);
    setEnabledByName(window, stepName("H", step), false);
    paintShape(window, stepName("Shape0", step), kStepDone);
    openStep(step + 1, window);
}

void SetLED(const QColor& color, QWidget* window)
{
    for (QWidget* control : controlsInOrder(window)) {
        if (auto* shape = qobject_cast<ShapeIndicator*>(control)) {
            shape->setBrushColor(color);
            shape->show();
        }
    }
}

int LastButton_Verifica(QWidget* window)
{
    for (int step = kMaxSteps; step >= 1; --step) {
        if (findControl(window, stepName("B", step)))
            return step;
    }
    return 0;
}

namespace {

// The box's text as it will be once the selection, which a typed key
// replaces, is gone.
QString textBesideSelection(const QLineEdit& box)
{
    QString text = box.text();
    if (box.hasSelectedText())
        text.remove(box.selectionStart(), box.selectedText().size());
    return text;
}

int insertionPoint(const QLineEdit& box)
{
    return box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
}

}  // namespace

bool MKeyPress(QWidget* control, QChar& key, const QString& lastBoxName, QWidget* window)
{
    const auto* box = qobject_cast<const QLineEdit*>(control);
    if (key == QLatin1Char(',') || key == QLatin1Char('.')) {
        key = QLatin1Char(decimalSeparator());
        // One separator to a number.
        if (box && textBesideSelection(*box).contains(key))
            key = kNoKey;
        return false;
    }
    if (key == QLatin1Char('-')) {
        // A minus only in front, and once.
        if (box && (insertionPoint(*box) != 0 || textBesideSelection(*box).startsWith(key)))
            key = kNoKey;
        return false;
    }
    if ((key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == kBackspace)
        return false;
    if (key != kEnter) {
        // Control characters (Tab, the shortcuts with Ctrl) are no typing;
        // anything else cannot stand in a number.
        if (key.isPrint())
            key = kNoKey;
        return false;
    }

    key = kNoKey;
    if (control && control->objectName() == lastBoxName)
        return true;
    if (control) {
        if (QWidget* next = nextFocusable(control, window))
            next->setFocus(Qt::TabFocusReason);
    }
    return false;
}

void installNumberKeyFilter(QLineEdit* box, QWidget* window, const QString& lastBoxName,
                            std::function<void()> onVerifica, std::function<void()> onRefused)
{
    if (!box)
        return;
    box->installEventFilter(
        new NumberKeyFilter(box, window, lastBoxName, std::move(onVerifica), std::move(onRefused)));
}

}  // namespace quorvia
