// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress folder in force for a resource folder: the one its
// GENERALE.INI names, else the user's own data folder.

#include "base/resource_folder.h"

#include <QString>

namespace quorvia {

// $XDG_DATA_HOME/quorvia/progressi (~/.local/share/quorvia/progressi).
QString defaultProgressFolder();
// The folder and whether GENERALE.INI named it (FolderSource::Generale) or
// it is the default.
FolderInForce progressFolderInForce(const QString& resourceFolder);
QString progressFolder(const QString& resourceFolder);

}  // namespace quorvia
