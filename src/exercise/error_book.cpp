// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/error_book.h"

namespace quorvia {

int ErrorBook::record(int step)
{
    if (step < 1 || step > kMaxSteps)
        return 0;
    return ++counts_[step];
}

int ErrorBook::count(int step) const
{
    return step >= 1 && step <= kMaxSteps ? counts_[step] : 0;
}

void ErrorBook::takeCounterCaption(int step, const QString& caption)
{
    if (step < 1 || step > kMaxSteps)
        return;
    const QString prefix = counterCaption(0).chopped(1);
    bool ok = false;
    const int count = caption.startsWith(prefix) ? caption.mid(prefix.size()).toInt(&ok) : 0;
    counts_[step] = ok && count > 0 ? count : 0;
}

QString ErrorBook::counterCaption(int count)
{
    return QStringLiteral("Err=") + QString::number(count);
}

QString ErrorBook::totalCaption(int total)
{
    return QStringLiteral(" ERR=") + QString::number(total);
}

}  // namespace quorvia
