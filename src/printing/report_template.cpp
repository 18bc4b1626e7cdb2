// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report_template.h"

#include <utility>

namespace quorvia {

ReportText* ReportTemplate::findText(const QString& name)
{
    return const_cast<ReportText*>(std::as_const(*this).findText(name));
}

const ReportText* ReportTemplate::findText(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const ReportPage& page : pages) {
        for (const ReportItem& item : page.items) {
            const auto* text = std::get_if<ReportText>(&item);
            if (text && text->name.compare(name, Qt::CaseInsensitive) == 0)
                return text;
        }
    }
    return nullptr;
}

}  // namespace quorvia
