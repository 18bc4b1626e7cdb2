// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spinners of the main window's selection row.

#include <QSpinBox>

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

private:
    Typing typing_;
};

}  // namespace quorvia
