// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object. Its general error handler catches an exception
// that leaves an event handler, shows the exception's text in a message box
// and lets the program run on: the window stays open with what the handler
// did before the failure.

#include <QApplication>

namespace quorvia::platform {

class Application final : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows `text` the way the general error handler does.
    static void reportError(const QString& text);
};

}  // namespace quorvia::platform
