// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/resource_folder.h"

#include "base/command_options.h"
#include "content/resource_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvia {

const QString kResourceOption = QStringLiteral("--risorse");
const char kResourceVariable[] = "QUORVIA_RISORSE";

QString installedResourceFolder(const QString& programFolder)
{
    const QDir program(programFolder);
    const QString beside = program.absoluteFilePath(QStringLiteral("RISORSE"));
    // The file-system standard's place for data, relative to bin/ so that
    // any installation prefix works.
    const QString installed =
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/quorvia/RISORSE")));
    if (!QFileInfo(beside).isDir() && QFileInfo(installed).isDir())
        return withTrailingSeparator(installed);
    return withTrailingSeparator(beside);
}

QString chosenResourceFolder(const QString& option)
{
    if (!option.isEmpty())
        return option;
    return qEnvironmentVariable(kResourceVariable);
}

FolderInForce resourceFolderInForce(const QString& option)
{
    const QString chosen = chosenResourceFolder(option);
    if (!chosen.isEmpty()) {
        return {withTrailingSeparator(QDir(chosen).absolutePath()),
                option.isEmpty() ? FolderSource::Variable : FolderSource::Option};
    }
    return {installedResourceFolder(QCoreApplication::applicationDirPath()), FolderSource::Default};
}

QString applicationResourceFolder(const QString& option)
{
    return resourceFolderInForce(option).folder;
}

QString folderProblem(const QString& folder)
{
    const QFileInfo place(folder);
    if (!place.exists())
        return QStringLiteral("la cartella %1 non esiste").arg(folder);
    if (!place.isDir())
        return QStringLiteral("%1 non è una cartella").arg(folder);
    return QString();
}

bool readResourceOption(const QStringList& arguments, int& index, QString& folder, QString& error)
{
    return readValueOption(kResourceOption, OptionValue::Folder, arguments, index, folder, error);
}

QString withTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}

QString resourceFile(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return QString();
    return QString::fromStdString(findResourceFile(folder.toStdString(), name.toStdString()));
}

}  // namespace quorvia
