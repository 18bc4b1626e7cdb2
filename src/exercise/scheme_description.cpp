// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/scheme_description.h"

namespace quorvia {

int SchemeDescription::operationStep() const
{
    for (const StepRow& s : steps) {
        if (s.kind == StepKind::OperationScheme)
            return s.step;
    }
    return 0;
}

int SchemeDescription::lastStep() const
{
    return stepCount(scheme);
}

const StepRow* SchemeDescription::step(int number) const
{
    for (const StepRow& s : steps) {
        if (s.step == number)
            return &s;
    }
    return nullptr;
}

const WidgetRow* SchemeDescription::widget(const QString& name) const
{
    for (const WidgetRow& w : widgets) {
        if (name.compare(QLatin1String(w.name), Qt::CaseInsensitive) == 0)
            return &w;
    }
    return nullptr;
}

}  // namespace quorvia
