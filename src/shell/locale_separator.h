// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decimal separator of the user's locale, the one input of the choice of
// separator that comes from the computer rather than from the folder.

#include <QLocale>

namespace quorvia {

// The locale's decimal point. A machine with no locale configured (the bare
// C locale) counts as Italian, ','; the program and its bundled problems are.
// A separator outside ASCII, which no problem file or number box can hold,
// gives '.'.
char localeDecimalSeparator(const QLocale& locale = QLocale::system());

}  // namespace quorvia
