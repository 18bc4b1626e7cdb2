// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a classroom keeps its progress files when the teacher chooses: the
// key CARTELLA_PROGRESSI of GENERALE.INI's [AREA_PROGRAMMA], a folder
// relative to the resource folder or absolute (a shared drive).

#include "content/generale_keys.h"

#include <string>

namespace quorvia::progress {

inline constexpr const char* kProgressFolderKey = generale::kProgressFolder.name;

// The folder GENERALE.INI of `resourceFolder` (ending with a separator)
// sets, made absolute; "" when it sets none.
std::string configuredProgressFolder(const std::string& resourceFolder);

}  // namespace quorvia::progress
