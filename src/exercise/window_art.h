// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the exercise windows' own design, drawn in code: the tool
// bar glyphs, the error counter glyph, the logo and the two end pictures.

#include <QIcon>
#include <QPixmap>
#include <QRect>

namespace quorvia {

enum class ToolGlyph { Close, Open, Save, Print, Help, Previous, Next, Solution, Counter, Speaker };

QIcon toolIcon(ToolGlyph glyph, int size = 40);
// The logo in the corner under the tool bar.
QPixmap logoPicture(int width, int height);
// The end pictures: a gold star for a problem solved alone, a rosette with
// a lifebuoy for one finished with the solution.
QPixmap solvedPicture(int size);
QPixmap solvedWithHelpPicture(int size);

// Places `box` in the middle of `area`, as large as its picture fits there
// without being pulled out of shape.
void fitPicture(QWidget* box, const QSize& picture, const QRect& area);

}  // namespace quorvia
