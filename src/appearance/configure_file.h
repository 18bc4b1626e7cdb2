#pragma once
// CONFIGURE.INI in the resource folder, with the changes of this run that
// could not be written to it (a read-only folder, a full disk). Those stay
// in force until the program ends, so what a teacher restyled stays on
// screen, and go to the file with the next write that succeeds.

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

    // The settings of the resource folder `folder`: the file with the
    // unwritten changes over it; nothing when there is neither.
    std::optional<IniFile> settings(const QString& folder) const;
    // Writes the settings into the file in one go, with any earlier ones
    // still unwritten. On failure they are kept for this run, `error` says
    // why and the result is false; the file is left as it was.
    bool write(const QString& folder, const std::vector<Setting>& settings, QString* error);
    bool hasUnwritten(const QString& folder) const { return !unwritten_.value(folder).empty(); }

private:
    QMap<QString, std::vector<Setting>> unwritten_;  // by resource folder
};

}  // namespace quorvia::appearance
