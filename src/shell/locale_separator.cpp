// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/locale_separator.h"

namespace quorvia {

char localeDecimalSeparator(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return ',';
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return char(point.at(0).unicode());
    return '.';
}

}  // namespace quorvia
