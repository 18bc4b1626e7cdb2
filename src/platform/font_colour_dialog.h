// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font dialog of the appearance settings: Qt's font dialog with a
// button for the colour of the text, since a stored font carries both.

#include "platform/dialogs.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace quorvia::platform {

class FontColourDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontColourDialog)
public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);

    FontChoice choice() const;
    void setColour(const QColor& colour);

private:
    void pickColour();

    QFontDialog* font_;
    QPushButton* colour_button_;
    QColor colour_;
};

// Shows the dialog modally; nothing when cancelled.
std::optional<FontChoice> chooseFontAndColour(QWidget* parent, const FontChoice& initial);

}  // namespace quorvia::platform
