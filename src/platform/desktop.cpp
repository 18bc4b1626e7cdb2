// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

bool openDocument(const QString& path, QObject* context, std::function<void()> refusedLater)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (replacementOpener() || !context || xdgOpen.isEmpty())
        return openUrl(QUrl::fromLocalFile(absolute));
    // Qt starts xdg-open and reports success whatever it says after; with
    // no viewer it fails at once on stderr only, which a child never sees.
    // Its exit status tells. A viewer xdg-open runs in its own place keeps
    // the process going until the viewer closes: the process is not owned,
    // so that the end of the run does not close the document too.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, context,
                     [process, refusedLater](int status, QProcess::ExitStatus how) {
                         if ((status != 0 || how != QProcess::NormalExit) && refusedLater)
                             refusedLater();
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(xdgOpen, {absolute});
    if (!process->waitForStarted()) {
        delete process;
        return openUrl(QUrl::fromLocalFile(absolute));
    }
    return true;
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
