// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/progress_folder.h"

#include "progress/progress_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace quorvia {

QString defaultProgressFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("quorvia/progressi"));
}

FolderInForce progressFolderInForce(const QString& resourceFolder)
{
    const std::string configured = progress::configuredProgressFolder(resourceFolder.toStdString());
    if (configured.empty())
        return {defaultProgressFolder(), FolderSource::Default};
    return {QString::fromStdString(configured), FolderSource::Generale};
}

QString progressFolder(const QString& resourceFolder)
{
    return progressFolderInForce(resourceFolder).folder;
}

}  // namespace quorvia
