// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening documents and web pages with the applications the desktop
// associates with them.

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace quorvia::platform {

// False when the file does not exist or no application took it. Where the
// desktop's opener is xdg-open, it may refuse only after a while (no viewer
// for the file's type): `refusedLater` then runs, with `context` alive.
bool openDocument(const QString& path, QObject* context = nullptr, std::function<void()> refusedLater = {});
bool openWebPage(const QUrl& url);

// Tests replace the desktop's handler to see what would be opened; an empty
// function restores it.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

}  // namespace quorvia::platform
