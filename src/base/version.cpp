// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/version.h"

#include <QStringList>

#ifndef QUORVIA_VERSION
#define QUORVIA_VERSION ""
#endif

namespace quorvia {

QString formatVersion(const QString& version)
{
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    if (version.trimmed().isEmpty() || parts.size() > 4)
        return QString();
    int numbers[4] = {0, 0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok);
        // Each part is a 16-bit field of the version record.
        if (!ok || value > 0xFFFF)
            return QString();
        numbers[i] = int(value);
    }
    return QString::asprintf("%d.%d.%d.%d", numbers[0], numbers[1], numbers[2], numbers[3]);
}

QString versionText()
{
    return formatVersion(QStringLiteral(QUORVIA_VERSION));
}

QString versionLabelText()
{
    return QStringLiteral("Ver ") + versionText();
}

}  // namespace quorvia
