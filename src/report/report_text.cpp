// SPDX-License-Identifier: GPL-3.0-or-later
// The class report as text tables for a terminal.

#include "report/report_format.h"

#include "content/terminal_text.h"

#include <QDateTime>
#include <QLocale>

namespace quorvia::report {

namespace {

// Names and file names come from files anyone can edit: on a terminal a
// control character in them would be an instruction.
QString safe(const QString& text)
{
    return QString::fromStdString(terminalSafe(text.toStdString()));
}

QString safe(const std::string& text)
{
    return QString::fromStdString(terminalSafe(text));
}

QString tableText(Table t)
{
    for (QStringList& row : t.rows) {
        for (QString& cell : row)
            cell = safe(cell);
    }
    QList<int> widths;
    for (const QString& h : t.headers)
        widths << h.size();
    for (const QStringList& row : t.rows) {
        for (int c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], static_cast<int>(row[c].size()));
    }
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (int c = 0; c < cells.size(); ++c) {
            const bool right = c < t.numeric.size() && t.numeric[c];
            padded << (right ? cells[c].rightJustified(widths[c]) : cells[c].leftJustified(widths[c]));
        }
        return padded.join(QStringLiteral("  ")).trimmed().prepend(QStringLiteral("  ")) + QLatin1Char('\n');
    };
    QString text = line(t.headers);
    for (const QStringList& row : t.rows)
        text += line(row);
    return text;
}

}  // namespace

QString textReport(const progress::ClassReport& report, const QString& folder)
{
    QString text = QStringLiteral("Resoconto della classe: %1\n%2\n").arg(safe(folder), summaryLine(report));
    for (const std::string& path : report.cut_files)
        text += QStringLiteral("  %1: letto solo fino a %2 MB, il resto è saltato\n")
                    .arg(safe(path))
                    .arg(progress::kMaxProgressFileBytes / (1024 * 1024));
    for (const std::string& why : report.unreadable)
        text += QStringLiteral("  %1\n").arg(safe(why));
    if (report.records == 0)
        return text + QStringLiteral("\nNessun progresso registrato in questa cartella.\n");
    text += QStringLiteral("\nPer bambino (problemi e errori per tipo di passo)\n");
    text += tableText(childTable(report));
    text += QStringLiteral("\nPer problema (bambini che l'hanno provato, risolto, risolto da solo)\n");
    text += tableText(problemTable(report));
    const Table due = reviewTable(report);
    if (!due.rows.isEmpty()) {
        text += QStringLiteral("\nDa ripassare oggi (risolti con la soluzione, lasciati o con molti errori)\n");
        text += tableText(due);
    }
    return text;
}

}  // namespace quorvia::report
