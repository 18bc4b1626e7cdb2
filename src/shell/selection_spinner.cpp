// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/selection_spinner.h"

#include <QLineEdit>

#include <algorithm>

namespace quorvia {

SelectionSpinner::SelectionSpinner(const QString& name, Typing typing, QWidget* parent)
    : QSpinBox(parent), typing_(typing)
{
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
