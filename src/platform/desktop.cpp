// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace quorvia::platform {
namespace {

UrlOpener& replacementOpener()
{
    static UrlOpener opener;
    return opener;
}

bool openUrl(const QUrl& url)
{
    if (const UrlOpener& opener = replacementOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

}  // namespace

bool openDocument(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool openWebPage(const QUrl& url)
{
    if (!url.isValid())
        return false;
    return openUrl(url);
}

void setUrlOpener(UrlOpener opener)
{
    replacementOpener() = std::move(opener);
}

}  // namespace quorvia::platform
