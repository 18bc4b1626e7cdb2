// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a report template from the bytes of its file. A plain function of
// the bytes: whatever they hold, the answer is either a whole template or a
// text that tells a teacher what is wrong and where (line and column), never
// a crash and never half a template.

#include "printing/report_template.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quorvia {

// Bounds that keep a damaged or hostile file from making the program draw
// without end; no sensible worksheet comes near them.
constexpr int kMaxTemplateBytes = 4 * 1024 * 1024;
constexpr int kMaxTemplatePages = 50;
constexpr int kMaxItemsPerPage = 2000;
constexpr int kMaxTemplateStyles = 200;
constexpr int kMaxTemplateTextLength = 20000;

struct TemplateReading {
    std::optional<ReportTemplate> report;  // set when the bytes are a template
    QString error;                         // otherwise, in Italian, with the place
};

TemplateReading parseReportTemplate(const QByteArray& bytes);

}  // namespace quorvia
