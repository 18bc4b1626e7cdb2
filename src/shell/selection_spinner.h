// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spinners of the main window's selection row.

#include <QPointer>
#include <QSpinBox>

class QLabel;

namespace quorvia {

class SelectionSpinner final : public QSpinBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectionSpinner)
public:
    enum class Typing {
        None,      // changed by the arrows only
        OneDigit,  // arrows, or one typed digit brought into range on leaving
    };

    SelectionSpinner(const QString& name, Typing typing, QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The label beside the spinner that says its value in words
    // ("Principiante", "Due operazioni", "Problema 3"): a screen reader
    // reads those words as the spinner's value, not the bare digit.
    void setValueLabel(QLabel* label);
    QString spokenValue() const;

private:
    Typing typing_;
    QPointer<QLabel> value_label_;
};

}  // namespace quorvia
