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

}  // namespace quorvia::appearance
