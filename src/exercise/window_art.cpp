// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/window_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QWidget>
#include <QtMath>

namespace quorvia {

namespace {

QPolygonF star(QPointF centre, double outer, double inner, int points = 5)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / points;
        poly << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return poly;
}

void arrow(QPainter& p, int s, bool right)
{
    QPolygonF poly;
    const double m = s / 2.0;
    if (right)
        poly << QPointF(s * 0.18, m - s * 0.13) << QPointF(m, m - s * 0.13) << QPointF(m, s * 0.15)
             << QPointF(s * 0.85, m) << QPointF(m, s * 0.85) << QPointF(m, m + s * 0.13)
             << QPointF(s * 0.18, m + s * 0.13);
    else
        poly << QPointF(s * 0.82, m - s * 0.13) << QPointF(m, m - s * 0.13) << QPointF(m, s * 0.15)
             << QPointF(s * 0.15, m) << QPointF(m, s * 0.85) << QPointF(m, m + s * 0.13)
             << QPointF(s * 0.82, m + s * 0.13);
    p.setPen(QPen(QColor(20, 80, 20), 2));
    p.setBrush(QColor(60, 190, 60));
    p.drawPolygon(poly);
}

void drawGlyph(QPainter& p, ToolGlyph glyph, int s)
{
    const QPen outline(QColor(40, 40, 40), 2);
    switch (glyph) {
    case ToolGlyph::Speaker: {
        p.setPen(outline);
        p.setBrush(QColor(250, 140, 40));
        QPolygonF cone;
        cone << QPointF(s * 0.12, s * 0.38) << QPointF(s * 0.3, s * 0.38) << QPointF(s * 0.52, s * 0.18)
             << QPointF(s * 0.52, s * 0.82) << QPointF(s * 0.3, s * 0.62) << QPointF(s * 0.12, s * 0.62);
        p.drawPolygon(cone);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 40), s * 0.06, Qt::SolidLine, Qt::RoundCap));
        for (double r : {0.16, 0.3})
            p.drawArc(QRectF(s * (0.52 - r), s * (0.5 - r), 2 * r * s, 2 * r * s), -50 * 16, 100 * 16);
        break;
    }
    case ToolGlyph::Close: {
        p.setPen(outline);
        p.setBrush(QColor(220, 50, 50));
        p.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        p.setPen(QPen(Qt::white, s * 0.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.33, s * 0.33), QPointF(s * 0.67, s * 0.67));
        p.drawLine(QPointF(s * 0.67, s * 0.33), QPointF(s * 0.33, s * 0.67));
        break;
    }
    case ToolGlyph::Open: {
        p.setPen(outline);
        p.setBrush(QColor(240, 190, 60));
        p.drawRect(QRectF(s * 0.1, s * 0.3, s * 0.75, s * 0.5));
        p.setBrush(QColor(255, 215, 100));
        QPolygonF flap;
        flap << QPointF(s * 0.2, s * 0.45) << QPointF(s * 0.95, s * 0.45)
             << QPointF(s * 0.85, s * 0.8) << QPointF(s * 0.1, s * 0.8);
        p.drawPolygon(flap);
        break;
    }
    case ToolGlyph::Save: {
        p.setPen(outline);
        p.setBrush(QColor(60, 110, 200));
        p.drawRoundedRect(QRectF(s * 0.15, s * 0.15, s * 0.7, s * 0.7), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.18, s * 0.44, s * 0.25));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(s * 0.3, s * 0.58, s * 0.4, s * 0.27));
        break;
    }
    case ToolGlyph::Print: {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.12, s * 0.44, s * 0.3));
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.38, s * 0.8, s * 0.32), 4, 4);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.6, s * 0.44, s * 0.28));
        break;
    }
    case ToolGlyph::Help: {
        p.setPen(outline);
        p.setBrush(QColor(60, 140, 230));
        p.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        QFont f(QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
        f.setPixelSize(int(s * 0.6));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolGlyph::Previous:
        arrow(p, s, false);
        break;
    case ToolGlyph::Next:
        arrow(p, s, true);
        break;
    case ToolGlyph::Solution: {
        // A light bulb.
        p.setPen(outline);
        p.setBrush(QColor(255, 230, 70));
        p.drawEllipse(QRectF(s * 0.22, s * 0.08, s * 0.56, s * 0.56));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(s * 0.36, s * 0.62, s * 0.28, s * 0.22));
        p.setPen(QPen(QColor(230, 150, 0), 2));
        p.drawLine(QPointF(s * 0.42, s * 0.5), QPointF(s * 0.5, s * 0.32));
        p.drawLine(QPointF(s * 0.5, s * 0.32), QPointF(s * 0.58, s * 0.5));
        break;
    }
    case ToolGlyph::Counter: {
        // A small red flag: where the mistakes are counted.
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawLine(QPointF(s * 0.25, s * 0.1), QPointF(s * 0.25, s * 0.9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 60, 60));
        QPolygonF flag;
        flag << QPointF(s * 0.27, s * 0.12) << QPointF(s * 0.85, s * 0.3)
             << QPointF(s * 0.27, s * 0.5);
        p.drawPolygon(flag);
        break;
    }
    }
}

QPixmap canvas(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QIcon toolIcon(ToolGlyph glyph, int size)
{
    QPixmap pixmap = canvas(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, glyph, size);
    return QIcon(pixmap);
}

QPixmap logoPicture(int width, int height)
{
    QPixmap pixmap = canvas(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = std::min(width, height) - 4;
    const QRectF board((width - s) / 2.0, 2, s, s);
    p.setPen(QPen(QColor(120, 70, 20), 3));
    p.setBrush(QColor(30, 90, 50));
    p.drawRoundedRect(board, 6, 6);
    QFont f(QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    f.setPixelSize(s / 3);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(board, Qt::AlignCenter, QStringLiteral("2+3"));
    return pixmap;
}

namespace {

QPixmap drawSolvedPicture(int size)
{
    QPixmap pixmap = canvas(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    p.setPen(QPen(QColor(180, 120, 0), 3));
    p.setBrush(QColor(255, 210, 40));
    p.drawPolygon(star(c, size * 0.48, size * 0.22));
    // A smile.
    p.setPen(QPen(QColor(120, 60, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(120, 60, 0));
    p.drawEllipse(QPointF(c.x() - size * 0.07, c.y() - size * 0.02), size * 0.025, size * 0.025);
    p.drawEllipse(QPointF(c.x() + size * 0.07, c.y() - size * 0.02), size * 0.025, size * 0.025);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - size * 0.1, c.y() - size * 0.02, size * 0.2, size * 0.14), 200 * 16,
              140 * 16);
    return pixmap;
}

QPixmap drawSolvedWithHelpPicture(int size)
{
    QPixmap pixmap = canvas(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size * 0.42);
    // Ribbons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 200));
    QPolygonF left, right;
    left << QPointF(c.x() - size * 0.15, c.y()) << QPointF(c.x() - size * 0.3, size * 0.95)
         << QPointF(c.x() - size * 0.18, size * 0.88) << QPointF(c.x() - size * 0.05, size * 0.98)
         << QPointF(c.x(), c.y());
    right << QPointF(c.x() + size * 0.15, c.y()) << QPointF(c.x() + size * 0.3, size * 0.95)
          << QPointF(c.x() + size * 0.18, size * 0.88) << QPointF(c.x() + size * 0.05, size * 0.98)
          << QPointF(c.x(), c.y());
    p.drawPolygon(left);
    p.drawPolygon(right);
    // Lifebuoy: white ring with red quarters.
    const double r = size * 0.36;
    const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.drawEllipse(ring);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 50, 50));
    for (int q = 0; q < 4; ++q)
        p.drawPie(ring, (q * 90 + 20) * 16, 50 * 16);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.drawEllipse(c, r * 0.5, r * 0.5);
    return pixmap;
}

// Every exercise window shows the same two pictures at the same size: one
// copy of each, shared, instead of one per window.
QPixmap sharedPicture(const char* name, int size, QPixmap (*draw)(int))
{
    const QString key = QLatin1String(name) + QString::number(size);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = draw(size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

}  // namespace

QPixmap solvedPicture(int size)
{
    return sharedPicture("quorvia-solved-", size, &drawSolvedPicture);
}

QPixmap solvedWithHelpPicture(int size)
{
    return sharedPicture("quorvia-solved-with-help-", size, &drawSolvedWithHelpPicture);
}

void fitPicture(QWidget* box, const QSize& picture, const QRect& area)
{
    if (!box || picture.isEmpty() || area.isEmpty())
        return;
    const QSize size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    box->setGeometry(area.x() + (area.width() - size.width()) / 2,
                     area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
}

}  // namespace quorvia
