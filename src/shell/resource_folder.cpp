#include "shell/resource_folder.h"

#include "content/resource_path.h"

#include <QCoreApplication>
#include <QDir>

namespace quorvia {

QString applicationResourceFolder()
{
    return withTrailingSeparator(QCoreApplication::applicationDirPath() + QStringLiteral("/RISORSE"));
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

QFont comicFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace quorvia
