// SPDX-License-Identifier: GPL-3.0-or-later
// The class report as an A4 PDF a teacher can print or pass on: the two
// tables, then a small chart per child of the errors by kind of step, all on
// one scale so the children can be compared at a glance.

#include "report/report_chart.h"
#include "report/report_format.h"

#include <QDate>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace quorvia::report {

namespace {

// Painter units are points: the page is 595 by 842, the margins 15 mm.
constexpr int kPointsPerInch = 72;
constexpr qreal kMargin = 42.5;
const QColor kInk(0x22, 0x22, 0x22);
const QColor kGrey(0x66, 0x66, 0x66);
const QColor kRule(0xBB, 0xBB, 0xBB);
const QColor kHeaderFill(0xE4, 0xEC, 0xF4);
const QColor kStripe(0xF5, 0xF7, 0xFA);

class PdfPages {
public:
    PdfPages(QPagedPaintDevice& writer, QPainter& painter)
        : writer_(writer), painter_(painter), page_(writer.pageLayout().paintRect(QPageLayout::Point))
    {
        // The painter's origin is the paint rectangle's corner.
        page_.moveTo(0, 0);
        y_ = 0;
        footer();
    }

    qreal width() const { return page_.width(); }
    qreal y() const { return y_; }
    void advance(qreal by) { y_ += by; }
    // Room for `height` more on this page, else a new page.
    bool ensureRoom(qreal height)
    {
        if (y_ + height <= page_.height() - 24)
            return false;
        writer_.newPage();
        ++number_;
        y_ = 0;
        footer();
        return true;
    }

private:
    void footer()
    {
        painter_.save();
        painter_.setFont(unitFont(painter_, 7.5));
        painter_.setPen(kGrey);
        const QRectF band(0, page_.height() - 12, page_.width(), 12);
        painter_.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvia: resoconto della classe"));
        painter_.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("pagina %1").arg(number_));
        painter_.restore();
    }

    QPagedPaintDevice& writer_;
    QPainter& painter_;
    QRectF page_;
    qreal y_ = 0;
    int number_ = 1;
};

void heading(QPainter& p, PdfPages& pages, const QString& text, const QString& note)
{
    pages.ensureRoom(60);
    pages.advance(10);
    p.setFont(unitFont(p, 12, true));
    p.setPen(kInk);
    p.drawText(QRectF(0, pages.y(), pages.width(), 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    pages.advance(17);
    if (!note.isEmpty()) {
        p.setFont(unitFont(p, 8));
        p.setPen(kGrey);
        p.drawText(QRectF(0, pages.y(), pages.width(), 12), Qt::AlignLeft | Qt::AlignVCenter, note);
        pages.advance(14);
    }
}

// The widths that fit the cells; the header may wrap at its spaces.
QList<qreal> columnWidths(const QPainter& p, const Table& t, const QFont& body, const QFont& head)
{
    const QFontMetricsF bm(body, p.device()), hm(head, p.device());
    QList<qreal> widths;
    for (int c = 0; c < t.headers.size(); ++c) {
        qreal w = 0;
        for (const QString& word : t.headers[c].split(QLatin1Char(' ')))
            w = std::max(w, hm.horizontalAdvance(word));
        for (const QStringList& row : t.rows)
            w = std::max(w, bm.horizontalAdvance(row[c]));
        widths << w + 8;
    }
    return widths;
}

void drawTable(QPainter& p, PdfPages& pages, const Table& t)
{
    // The largest type at which the table fits the page's width.
    qreal size = 8.5;
    QList<qreal> widths;
    for (;; size -= 0.5) {
        widths = columnWidths(p, t, unitFont(p, size), unitFont(p, size, true));
        qreal total = 0;
        for (qreal w : widths)
            total += w;
        if (total > pages.width() && size <= 5.5) {
            // Still too wide (long names, a problem's first words): the
            // widest column gives way, and its cells are cut short below.
            auto widest = std::max_element(widths.begin(), widths.end());
            *widest = std::max<qreal>(*widest - (total - pages.width()), 20);
            total = pages.width();
        }
        if (total <= pages.width() || size <= 5.5) {
            // What is left is shared out, so the table spans the page.
            const qreal spare = std::max<qreal>(0, pages.width() - total) / widths.size();
            for (qreal& w : widths)
                w += spare;
            break;
        }
    }
    const QFont body = unitFont(p, size), head = unitFont(p, size, true);
    const QFontMetricsF bodyMetrics(body, p.device());
    const qreal rowHeight = bodyMetrics.height() * 1.55;
    const qreal headHeight = QFontMetricsF(head, p.device()).height() * 2.4;

    const auto drawRow = [&](const QStringList& cells, qreal height, bool header, bool stripe) {
        qreal x = 0;
        const QRectF band(0, pages.y(), pages.width(), height);
        if (header || stripe)
            p.fillRect(band, header ? kHeaderFill : kStripe);
        p.setFont(header ? head : body);
        p.setPen(kInk);
        for (int c = 0; c < cells.size(); ++c) {
            const bool right = c < t.numeric.size() && t.numeric[c];
            const QRectF cell(x + 4, pages.y(), widths[c] - 8, height);
            const int align = (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter |
                              (header ? Qt::TextWordWrap : 0);
            p.drawText(cell, align,
                       header ? cells[c] : bodyMetrics.elidedText(cells[c], Qt::ElideRight, cell.width()));
            x += widths[c];
        }
        p.setPen(QPen(kRule, 0.5));
        p.drawLine(QPointF(0, pages.y() + height), QPointF(pages.width(), pages.y() + height));
        pages.advance(height);
    };

    pages.ensureRoom(headHeight + rowHeight * 2);
    drawRow(t.headers, headHeight, true, false);
    for (int r = 0; r < t.rows.size(); ++r) {
        // A table that goes on over the page brings its header along.
        if (pages.ensureRoom(rowHeight))
            drawRow(t.headers, headHeight, true, false);
        drawRow(t.rows[r], rowHeight, false, r % 2 == 1);
    }
}

void drawCharts(QPainter& p, PdfPages& pages, const progress::ClassReport& report)
{
    pages.ensureRoom(kChartLegendHeight + kChartBoxHeight);
    paintKindLegend(p, QPointF(0, pages.y()));
    pages.advance(kChartLegendHeight);
    const int scale = chartScale(report);  // one scale for every child
    constexpr int kColumns = 3;
    constexpr qreal kGap = 12;
    const qreal boxWidth = (pages.width() - kGap * (kColumns - 1)) / kColumns;
    int column = 0;
    for (const progress::ChildSummary& c : report.children) {
        if (column == 0)
            pages.ensureRoom(kChartBoxHeight + kGap);
        paintChildChart(p, QRectF(column * (boxWidth + kGap), pages.y(), boxWidth, kChartBoxHeight), c, scale);
        if (++column == kColumns) {
            column = 0;
            pages.advance(kChartBoxHeight + kGap);
        }
    }
    if (column != 0)
        pages.advance(kChartBoxHeight + kGap);
}

}  // namespace

bool paintClassReport(QPagedPaintDevice& device, const progress::ClassReport& report, const QString& folder,
                      const QString& scope)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point));
    QPainter p;
    if (!p.begin(&device))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    // Everything below is laid out in points; a printer has more dots.
    const qreal dotsPerPoint = static_cast<qreal>(device.logicalDpiX()) / kPointsPerInch;
    p.scale(dotsPerPoint, dotsPerPoint);
    PdfPages pages(device, p);

    p.setFont(unitFont(p, 18, true));
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, pages.width(), 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Resoconto della classe"));
    p.setFont(unitFont(p, 9));
    p.drawText(QRectF(0, 0, pages.width(), 26), Qt::AlignRight | Qt::AlignVCenter,
               QLocale(QLocale::Italian).toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy")));
    pages.advance(28);
    p.setFont(unitFont(p, 8.5));
    p.setPen(kGrey);
    const QFontMetricsF metrics(p.font(), p.device());
    p.drawText(QRectF(0, pages.y(), pages.width(), 12), Qt::AlignLeft | Qt::AlignVCenter,
               metrics.elidedText(QStringLiteral("Cartella: %1").arg(folder), Qt::ElideMiddle, pages.width()));
    pages.advance(13);
    if (!scope.isEmpty()) {
        // A report of part of the class says which part on its face.
        p.setPen(kInk);
        p.drawText(QRectF(0, pages.y(), pages.width(), 12), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(QStringLiteral("Scelta: %1").arg(scope), Qt::ElideRight, pages.width()));
        p.setPen(kGrey);
        pages.advance(13);
    }
    p.drawText(QRectF(0, pages.y(), pages.width(), 12), Qt::AlignLeft | Qt::AlignVCenter, summaryLine(report));
    pages.advance(14);
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(0, pages.y()), QPointF(pages.width(), pages.y()));
    pages.advance(4);

    if (report.records == 0) {
        heading(p, pages,
                scope.isEmpty() ? QStringLiteral("Nessun progresso registrato in questa cartella.")
                                : QStringLiteral("Nessun progresso registrato per questa scelta."),
                QString());
    } else {
        heading(p, pages, QStringLiteral("Per bambino"),
                QStringLiteral("Problemi provati e come sono finiti; errori per tipo di passo; aiuti aperti; "
                               "tempo di lavoro."));
        drawTable(p, pages, childTable(report));
        heading(p, pages, QStringLiteral("Per problema"),
                QStringLiteral("Bambini che l'hanno provato, risolto (anche con la soluzione) e risolto da soli; "
                               "il passo dove sono caduti più errori."));
        drawTable(p, pages, problemTable(report));
        const Table due = reviewTable(report);
        if (!due.rows.isEmpty()) {
            heading(p, pages, QStringLiteral("Da ripassare oggi"),
                    QStringLiteral("Problemi risolti con la soluzione, lasciati o con molti errori, che tornano "
                                   "dopo 1, 3 e 7 giorni."));
            drawTable(p, pages, due);
        }
        heading(p, pages, QStringLiteral("Errori per tipo di passo"),
                QStringLiteral("Una scala sola per tutti i bambini: le barre si confrontano tra loro."));
        drawCharts(p, pages, report);
    }
    return p.end();
}

bool writePdfReport(const progress::ClassReport& report, const QString& folder, const QString& file,
                    QString* error, const QString& scope)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("Impossibile scrivere il file %1: %2").arg(file, out.errorString());
        return false;
    }
    QPdfWriter writer(&out);
    writer.setTitle(QStringLiteral("Resoconto della classe"));
    writer.setCreator(QStringLiteral("quorvia-report"));
    writer.setResolution(kPointsPerInch);
    if (!paintClassReport(writer, report, folder, scope) || out.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Impossibile scrivere il file %1: %2").arg(file, out.errorString());
        return false;
    }
    return true;
}

}  // namespace quorvia::report
