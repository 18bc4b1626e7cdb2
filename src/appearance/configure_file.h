// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CONFIGURE.INI of a resource folder, with the changes of this run that
// could not be written (a full disk, no place at all). Those stay in force
// until the program ends, so what a teacher restyled stays on screen, and go
// to the file with the next write that succeeds.
//
// A folder the user may write keeps its own CONFIGURE.INI. An installed,
// read-only folder gets the user's own copy, $XDG_CONFIG_HOME/quorvia/
// CONFIGURE.INI, made from the folder's file at the first change so that
// nothing the teacher set there is lost, and read instead of it from then on.

#include "content/ini_file.h"

#include <QMap>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace quorvia::appearance {

struct Setting {
    std::string section;
    std::string key;
    std::string value;
};

class ConfigureFile {
public:
    static const QString kFileName;  // "CONFIGURE.INI"

    // The user's own CONFIGURE.INI, for read-only folders; empty when the
    // system names no configuration folder.
    static QString userFilePath();
    // The file whose settings apply to `folder` now.
    static QString readPath(const QString& folder);

    // The settings of the resource folder `folder`: the file in force with the
    // unwritten changes over it; nothing when there is neither.
    std::optional<IniFile> settings(const QString& folder) const;
    // Writes the settings into the file in one go (the folder's own, or the
    // user's copy for a read-only folder), with any earlier ones still
    // unwritten. On failure they are kept for this run, `error` says
    // why and the result is false; the file is left as it was.
    bool write(const QString& folder, const std::vector<Setting>& settings, QString* error);
    bool hasUnwritten(const QString& folder) const { return !unwritten_.value(folder).empty(); }

private:
    QMap<QString, std::vector<Setting>> unwritten_;  // by resource folder
};

}  // namespace quorvia::appearance
