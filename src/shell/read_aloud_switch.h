// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's "Leggi ad alta voce" switch: automatic reading of hints,
// messages and chosen sentences for the rest of the run. A teacher can have
// every run start with it on (LEGGI_AD_ALTA_VOCE=1 in GENERALE.INI's
// AREA_PROGRAMMA); without a voice the switch is hidden and reading stays off.

#include "content/generale_keys.h"

#include <QString>

class QCheckBox;
class QWidget;

namespace quorvia {

inline constexpr const char* kReadAloudKey = generale::kReadAloud.name;

// Creates the switch in `parent` (object name "LeggiAdAltaVoce"), set from
// the resource folder's GENERALE.INI, and sets automatic reading to match.
QCheckBox* addReadAloudSwitch(QWidget* parent, const QString& resourceFolder);

}  // namespace quorvia
