// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/selection_spinner.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace quorvia {

namespace {

// A spinner as a screen reader meets it: its name, and as its value and its
// text the words of its label. Orca says a spin button's text before its
// number, at arriving and at every change.
class SpinnerAccessible : public QAccessibleWidget,
                          public QAccessibleValueInterface,
                          public QAccessibleTextInterface {
public:
    explicit SpinnerAccessible(SelectionSpinner* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return words();
        return QAccessibleWidget::text(t);
    }

    // The value as a number, for the tools that step it.
    QVariant currentValue() const override { return spinner()->value(); }
    void setCurrentValue(const QVariant& value) override { spinner()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return spinner()->maximum(); }
    QVariant minimumValue() const override { return spinner()->minimum(); }
    QVariant minimumStepSize() const override { return spinner()->singleStep(); }

    // The words, as a text that cannot be edited.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return int(words().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    SelectionSpinner* spinner() const { return static_cast<SelectionSpinner*>(widget()); }
    QString words() const { return spinner()->spokenValue(); }
};

QAccessibleInterface* spinnerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvia::SelectionSpinner"))
        return new SpinnerAccessible(static_cast<SelectionSpinner*>(object));
    return nullptr;
}

}  // namespace

SelectionSpinner::SelectionSpinner(const QString& name, Typing typing, QWidget* parent)
    : QSpinBox(parent), typing_(typing)
{
    static const bool factory = [] {
        QAccessible::installFactory(spinnerAccessible);
        return true;
    }();
    (void)factory;
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    if (typing_ == Typing::None) {
        lineEdit()->setReadOnly(true);
    } else {
        lineEdit()->setMaxLength(1);
    }
}

void SelectionSpinner::setValueLabel(QLabel* label)
{
    value_label_ = label;
}

QString SelectionSpinner::spokenValue() const
{
    const QString words = value_label_ ? value_label_->text().simplified() : QString();
    return words.isEmpty() ? text() : words;
}

QValidator::State SelectionSpinner::validate(QString& input, int& pos) const
{
    if (typing_ == Typing::None)
        return QSpinBox::validate(input, pos);
    // Any single digit may be typed; one outside the range waits for the
    // spinner to lose the focus, which brings it to the nearest bound.
    if (input.isEmpty())
        return QValidator::Intermediate;
    if (input.size() != 1 || !input.at(0).isDigit())
        return QValidator::Invalid;
    const int value = input.at(0).digitValue();
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

void SelectionSpinner::fixup(QString& input) const
{
    if (typing_ == Typing::None || input.size() != 1 || !input.at(0).isDigit()) {
        QSpinBox::fixup(input);
        return;
    }
    input = QString::number(std::clamp(input.at(0).digitValue(), minimum(), maximum()));
}

}  // namespace quorvia
