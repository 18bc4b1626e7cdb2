// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look that the appearance settings change, on the two kinds of control
// that take part: labels (background colour, font, text colour, caption)
// and the memo that shows the problem text (background colour, font, text
// colour).

#include "appearance/font_text.h"

#include <QColor>

class QWidget;

namespace quorvia::appearance {

enum class Restylable { Label, Memo, None };

Restylable restylableKind(const QWidget* control);

QColor backgroundOf(const QWidget* control);
void setBackground(QWidget* control, const QColor& colour);
TextStyle textStyleOf(const QWidget* control);
void setTextStyle(QWidget* control, const TextStyle& style);

// The look a control was built with: taken once, before any setting touches
// it, and put back before the settings of another problem, mode or scheme
// apply, so what one of them set never shows on another.
void rememberDesignedLook(QWidget* control);
void restoreDesignedLook(QWidget* control);
// A label's caption came from the settings; the designed one comes back
// with the rest of the designed look. Other captions belong to the window.
void setCaptionFromSettings(QWidget* label, const QString& caption);

}  // namespace quorvia::appearance
