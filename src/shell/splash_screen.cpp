// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash_screen.h"

#include "base/resource_folder.h"
#include "shell/comic_font.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>

namespace quorvia {

TFrmSplashScreen::TFrmSplashScreen(const QString& resourceFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TFrmSplashScreen"));
    setFixedSize(281, 323);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto* resolution = new QLabel(QStringLiteral("Risoluzione minima 800x600"), this);
    resolution->setObjectName(QStringLiteral("Label1"));
    resolution->setFont(comicFont(15));
    resolution->setAlignment(Qt::AlignCenter);
    QPalette red = resolution->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    resolution->setPalette(red);
    resolution->setGeometry(0, 8, 281, 24);

    auto* logo = new PictureBox(QStringLiteral("Image1"), this);
    logo->setFrameStyle(QFrame::Box | QFrame::Plain);
    logo->setLineWidth(2);
    logo->setGeometry(16, 40, 249, 267);
    logo->loadFile(resourceFile(resourceFolder, QStringLiteral("logo.png")));

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmSplashScreen::showBlocking(int milliseconds)
{
    show();
    repaint();
    QCoreApplication::processEvents();
    // Nothing else runs meanwhile: the start waits for the splash.
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    hide();
}

}  // namespace quorvia
