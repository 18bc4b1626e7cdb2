// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/configure_file.h"

#include "base/resource_folder.h"
#include "base/user_settings.h"

#include <QDir>
#include <QFileInfo>

namespace quorvia::appearance {

namespace {

// The folder's own file, whatever the case of its name, or where a new one goes.
QString configurePath(const QString& folder)
{
    const QString found = resourceFile(folder, ConfigureFile::kFileName);
    return found.isEmpty() ? folder + ConfigureFile::kFileName : found;
}

// Whether the user may create files in the folder: the crash-safe writer
// puts a new file beside the old one and renames it over.
bool folderWritable(const QString& folder)
{
    return QFileInfo(folder).isWritable();
}

bool usesUserFile(const QString& folder)
{
    return !folderWritable(folder) && !ConfigureFile::userFilePath().isEmpty();
}

void applySettings(IniFile& file, const std::vector<Setting>& settings)
{
    for (const Setting& s : settings)
        file.writeString(s.section, s.key, s.value);
}

}  // namespace

const QString ConfigureFile::kFileName = QStringLiteral("CONFIGURE.INI");

QString ConfigureFile::userFilePath()
{
    return userSettingsFile(kFileName);
}

QString ConfigureFile::readPath(const QString& folder)
{
    if (usesUserFile(folder) && QFileInfo::exists(userFilePath()))
        return userFilePath();
    return configurePath(folder);
}

std::optional<IniFile> ConfigureFile::settings(const QString& folder) const
{
    const QString path = readPath(folder);
    const std::vector<Setting> pending = unwritten_.value(folder);
    if (!QFileInfo::exists(path) && pending.empty())
        return std::nullopt;
    IniFile file = IniFile::read(path.toStdString());
    applySettings(file, pending);
    return file;
}

bool ConfigureFile::write(const QString& folder, const std::vector<Setting>& settings,
                          QString* error)
{
    std::vector<Setting>& pending = unwritten_[folder];
    pending.insert(pending.end(), settings.begin(), settings.end());

    // The user's copy starts as the folder's own file.
    const std::string source = readPath(folder).toStdString();
    const bool personal = usesUserFile(folder);
    const QString target = personal ? userFilePath() : configurePath(folder);
    if (personal)
        QDir().mkpath(QFileInfo(target).absolutePath());
    IniFile file;
    std::string reason;
    // A file that exists but cannot be read is never replaced.
    if (IniFile::load(source, file, &reason)) {
        applySettings(file, pending);
        if (file.save(target.toStdString(), &reason)) {
            unwritten_.remove(folder);
            return true;
        }
    }
    if (error)
        *error = QString::fromStdString(reason);
    return false;
}

}  // namespace quorvia::appearance
