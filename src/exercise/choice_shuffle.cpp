// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/choice_shuffle.h"

#include <chrono>

namespace quorvia {

void ClockRandomSource::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(now));
}

int ClockRandomSource::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

std::unique_ptr<RandomSource> makeClockRandomSource()
{
    return std::make_unique<ClockRandomSource>();
}

int shuffleChoiceList(QStringList& items, RandomSource& random)
{
    const int high = std::min<int>(4, static_cast<int>(items.size()) - 1);
    if (high < 1)
        return 0;
    int r = random.between(1, high);
    if (r < 1 || r > high)
        r = 1;  // a source that strays keeps the right sentence off the top all the same
    items.swapItemsAt(0, r);
    return r;
}

int variantAtPosition(int position, int rightPosition)
{
    if (position < 0)
        return 0;
    if (position == rightPosition)
        return 1;
    // The swap put the sentence that stood at the right one's new place on top.
    if (position == 0)
        return rightPosition + 1;
    return position + 1;
}

}  // namespace quorvia
