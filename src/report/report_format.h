// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class report in its four forms: text tables for the terminal, JSON for
// other programs, CSV rows for a spreadsheet and an A4 PDF to hand round.
// The first three hold the same figures; the PDF adds a chart per child.

#include "progress/class_report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace quorvia::report {

// The tables' rows, shared by the text and the PDF.
struct Table {
    QStringList headers;
    QList<QStringList> rows;
    // Columns whose figures are aligned to the right.
    QList<bool> numeric;
};

Table childTable(const progress::ClassReport& report);
Table problemTable(const progress::ClassReport& report);
// Per child, the problems the main window offers under "Ripassa" today; no
// rows when nothing is due.
Table reviewTable(const progress::ClassReport& report);
// "2 file, 14 registrazioni" and what was left out.
QString summaryLine(const progress::ClassReport& report);
// "45 s", "12 min", "1 h 05 min".
QString duration(long seconds);

QString textReport(const progress::ClassReport& report, const QString& folder);
QByteArray jsonReport(const progress::ClassReport& report, const QString& folder);
// One row per child and problem, with a header.
QByteArray csvReport(const progress::ClassReport& report);
// False, with an Italian `error`, when the file cannot be written. `scope`
// says which part of the class the report counts ("solo Giulia, oggi"); empty
// for all of it.
bool writePdfReport(const progress::ClassReport& report, const QString& folder, const QString& file,
                    QString* error, const QString& scope = QString());
// The same pages on any paged device: a PDF writer or a printer, at its
// resolution; A4 with the report's margins. False when painting failed.
bool paintClassReport(QPagedPaintDevice& device, const progress::ClassReport& report, const QString& folder,
                      const QString& scope = QString());

}  // namespace quorvia::report
