// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include "platform/dialogs.h"

#include <exception>

namespace quorvia::platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Errore sconosciuto"));
    }
    return false;
}

void Application::reportError(const QString& text)
{
    dialogs().showMessage(QApplication::activeWindow(), text);
}

}  // namespace quorvia::platform
