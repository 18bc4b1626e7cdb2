// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/shown_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quorvia {

std::optional<QString> shownTextOf(const QObject* control)
{
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentIndex() < 0 ? QString() : list->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->toPlainText();
    return std::nullopt;
}

QString shownText(const QObject* control)
{
    return shownTextOf(control).value_or(QString());
}

}  // namespace quorvia
