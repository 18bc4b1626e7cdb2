// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/user_settings.h"

#include <QStandardPaths>

namespace quorvia {

QString userSettingsFile(const QString& name)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return QString();
    return base + QStringLiteral("/quorvia/") + name;
}

}  // namespace quorvia
