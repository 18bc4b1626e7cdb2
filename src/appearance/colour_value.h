// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as CONFIGURE.INI stores them: a signed integer with red in the low
// byte (red 255, lime 65280, yellow 65535). Negative values name one of the
// platform's system colours (0xFF000000 plus its index), which files written
// on Windows hold for the default text colour and the like.

#include <QColor>

#include <optional>

namespace quorvia::appearance {

int colourValue(const QColor& colour);
// The colour of a stored value; nothing for a system colour this program
// cannot tell.
std::optional<QColor> colourFromValue(int value);

}  // namespace quorvia::appearance
