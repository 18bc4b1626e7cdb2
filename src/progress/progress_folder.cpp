// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progress_folder.h"

#include "content/ini_file.h"
#include "content/resource_path.h"

#include <algorithm>
#include <filesystem>

namespace quorvia::progress {

std::string configuredProgressFolder(const std::string& resourceFolder)
{
    const std::string generale = findResourceFile(resourceFolder, "GENERALE.INI");
    if (generale.empty())
        return "";
    std::string value = IniFile::read(generale).readString("AREA_PROGRAMMA", kProgressFolderKey, "");
    if (value.empty())
        return "";
    // Written on a Windows computer as often as not.
    std::replace(value.begin(), value.end(), '\\', '/');
    const std::filesystem::path folder(value);
    if (folder.is_absolute())
        return folder.lexically_normal().string();
    return (std::filesystem::path(resourceFolder) / folder).lexically_normal().string();
}

bool childPathEnabled(const std::string& resourceFolder)
{
    const std::string generale = findResourceFile(resourceFolder, "GENERALE.INI");
    return generale.empty() || IniFile::read(generale).readInteger("AREA_PROGRAMMA", kChildPathKey, 1) != 0;
}

}  // namespace quorvia::progress
