// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a report with QPainter, so that one piece of code makes the print
// preview, the printed page and the PDF file alike.

#include "printing/report_template.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace quorvia {

// Draws one page on the painter's device, millimetres taken at the device's
// resolution from its top-left corner. Pictures are looked up in
// `pictureFolder` (ending with a separator); a missing or unreadable one is
// left out.
void paintReportPage(QPainter& painter, const ReportPage& page, const QString& pictureFolder);

// Draws every page on a printer or PDF writer, each on paper of its own
// size, from the paper's edge. False when the device cannot be painted on
// (a PDF file that cannot be created, say).
bool printReport(const ReportTemplate& report, const QString& pictureFolder, QPagedPaintDevice* device);

}  // namespace quorvia
