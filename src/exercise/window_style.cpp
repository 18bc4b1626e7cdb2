// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/window_style.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace quorvia {

QFont childFont(int pixels, bool bold)
{
    QFont f(QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont signFont(int pixels)
{
    QFont f(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

void paintBackground(QWidget* w, const QColor& back, const QColor& text)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    if (text.isValid())
        pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QColor fromRgb(unsigned rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace quorvia
