// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/restyle_probe.h"

#include "platform/fakes.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <iostream>
#include <memory>

namespace quorvia {

namespace {

struct Probe {
    platform::ScopedFakeDialogs dialogs;
    platform::ScopedFakeSound sound;
    bool clicked = false;
};

// Inside the exercise window's own event loop: the right button released
// over the title, as a teacher's mouse would send it.
void rightClickTitle(Probe& probe, QDialog* window)
{
    if (auto* title = window->findChild<QLabel*>(QStringLiteral("Titolo"))) {
        const QPointF centre = QRectF(title->rect()).center();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, title->mapToGlobal(centre), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(title, &release);
        probe.clicked = true;
    }
    window->reject();
}

}  // namespace

bool scheduleRestyleProbe(TForm1& main)
{
    if (!qEnvironmentVariableIsSet("QUORVIA_TEST_RESTYLE"))
        return false;
    auto probe = std::make_shared<Probe>();
    probe->dialogs->setNextColor(QColor(qEnvironmentVariable("QUORVIA_TEST_RESTYLE")));
    QTimer::singleShot(0, &main, [&main, probe] {
        // Fires inside the exercise window's modal loop.
        QTimer::singleShot(0, [probe] {
            if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                rightClickTitle(*probe, window);
        });
        main.LMD3Click(main.findChild<QPushButton*>(QStringLiteral("LMD5")));
        const bool saved = probe->clicked && probe->dialogs->colorDialogCount() == 1 &&
                           probe->dialogs->messages().isEmpty();
        for (const QString& message : probe->dialogs->messages())
            std::cerr << "quorvia: " << message.toStdString() << '\n';
        QCoreApplication::exit(saved ? 0 : 1);
    });
    return true;
}

}  // namespace quorvia
