// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' typeface.

#include <QFont>

namespace quorvia {

// Comic Sans MS where it is installed, Comic Neue (its free look-alike)
// elsewhere.
QFont comicFont(int pixelSize, bool bold = true);

}  // namespace quorvia
