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

QString progressFolder(const QString& resourceFolder)
{
    const std::string configured = progress::configuredProgressFolder(resourceFolder.toStdString());
    return configured.empty() ? defaultProgressFolder() : QString::fromStdString(configured);
}

}  // namespace quorvia
