// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/comic_font.h"

#include <QStringList>

namespace quorvia {

QFont comicFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace quorvia
