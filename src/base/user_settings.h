// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own settings files, for what a read-only resource folder (the
// installed one) cannot keep.

#include <QString>

namespace quorvia {

// `name` in the user's configuration folder, $XDG_CONFIG_HOME/quorvia
// (~/.config/quorvia); empty when the system names no configuration folder.
QString userSettingsFile(const QString& name);

}  // namespace quorvia
