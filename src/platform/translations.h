// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own dialogs (colour, font, file, print, the "replace it?" question)
// speak the user's language through Debian's Qt translations.

#include <QLocale>

class QTranslator;

namespace quorvia::platform {

// The locale whose translations the program loads: the system's, and
// Italian on a machine with no locale configured (the bare C locale), since
// the program itself speaks Italian.
QLocale translationLocale(const QLocale& system);

// Loads and installs Qt's translations for `translationLocale(system)`; the
// translator (owned by the application), or null when Qt has none for it.
QTranslator* installQtTranslations(const QLocale& system = QLocale::system());

}  // namespace quorvia::platform
