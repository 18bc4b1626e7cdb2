// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress folder in force for a resource folder: the one its
// GENERALE.INI names, else the user's own data folder.

#include <QString>

namespace quorvia {

// $XDG_DATA_HOME/quorvia/progressi (~/.local/share/quorvia/progressi).
QString defaultProgressFolder();
QString progressFolder(const QString& resourceFolder);

}  // namespace quorvia
