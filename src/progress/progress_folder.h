// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a classroom keeps its progress files when the teacher chooses: the
// key CARTELLA_PROGRESSI of GENERALE.INI's [AREA_PROGRAMMA], a folder
// relative to the resource folder or absolute (a shared drive).

#include "content/generale_keys.h"

#include <string>

namespace quorvia::progress {

inline constexpr const char* kProgressFolderKey = generale::kProgressFolder.name;
// PERCORSO=0 turns off the child's own path on the main window (the marks,
// the starting problem, the reviews); it is on without the key.
inline constexpr const char* kChildPathKey = generale::kChildPath.name;

// The folder GENERALE.INI of `resourceFolder` (ending with a separator)
// sets, made absolute; "" when it sets none.
std::string configuredProgressFolder(const std::string& resourceFolder);
bool childPathEnabled(const std::string& resourceFolder);

}  // namespace quorvia::progress
