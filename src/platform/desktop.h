// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening documents and web pages with the applications the desktop
// associates with them.

#include <QString>
#include <QUrl>

#include <functional>

namespace quorvia::platform {

// False when the file does not exist or no application took it.
bool openDocument(const QString& path);
bool openWebPage(const QUrl& url);

// Tests replace the desktop's handler to see what would be opened; an empty
// function restores it.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

}  // namespace quorvia::platform
