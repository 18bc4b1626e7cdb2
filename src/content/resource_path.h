// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names in teachers' INI files are written on Windows, where letter case
// does not matter. These lookups find "Problemi3.ini" as "PROBLEMI3.INI".

#include <string>

namespace quorvia {

// folder + name when that file exists; otherwise the existing file whose
// path matches without regard to case (each component); otherwise "".
// `folder` ends with a separator. Backslashes in `name` count as separators.
std::string findResourceFile(const std::string& folder, const std::string& name);
bool resourceFileExists(const std::string& folder, const std::string& name);

// `found`, a file that findResourceFile gave for `folder`, lies outside the
// folder: its name climbs out ("../", "..\\") or a symbolic link on the way
// leads elsewhere. The program reads it all the same (a school may keep its
// pictures in a shared folder), but it does not travel with the folder.
bool leavesFolder(const std::string& folder, const std::string& found);

}  // namespace quorvia
