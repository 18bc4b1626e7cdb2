#include "appearance/configure_file.h"

#include "shell/resource_folder.h"

#include <QFileInfo>

namespace quorvia::appearance {

namespace {

// The existing file, whatever the case of its name, or where a new one goes.
QString configurePath(const QString& folder)
{
    const QString found = resourceFile(folder, ConfigureFile::kFileName);
    return found.isEmpty() ? folder + ConfigureFile::kFileName : found;
}

void applySettings(IniFile& file, const std::vector<Setting>& settings)
{
    for (const Setting& s : settings)
        file.writeString(s.section, s.key, s.value);
}

}  // namespace

const QString ConfigureFile::kFileName = QStringLiteral("CONFIGURE.INI");

std::optional<IniFile> ConfigureFile::settings(const QString& folder) const
{
    const QString path = configurePath(folder);
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

    const std::string path = configurePath(folder).toStdString();
    IniFile file;
    std::string reason;
    // A file that exists but cannot be read is never replaced.
    if (IniFile::load(path, file, &reason)) {
        applySettings(file, pending);
        if (file.save(path, &reason)) {
            unwritten_.remove(folder);
            return true;
        }
    }
    if (error)
        *error = QString::fromStdString(reason);
    return false;
}

}  // namespace quorvia::appearance
