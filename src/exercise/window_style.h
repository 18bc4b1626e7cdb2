// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look shared by the parts of the exercise windows: the children's
// typeface, the sign face, and painted backgrounds.

#include <QColor>
#include <QFont>

class QWidget;

namespace quorvia {

// Comic Sans MS where it is installed, Comic Neue (its free look-alike) elsewhere.
QFont childFont(int pixels, bool bold = false);
// The operator signs stand out better in a plain bold face than in the
// rounded one of the texts.
QFont signFont(int pixels);
void paintBackground(QWidget* w, const QColor& back, const QColor& text = QColor());
// The frame around the focused control: the title line's blue, which
// stands out on the pale panels, the yellow signs and the green buttons.
inline const QColor kFocusRingColour(0, 0, 255);
// A colour written 0xRRGGBB.
QColor fromRgb(unsigned rgb);

}  // namespace quorvia
