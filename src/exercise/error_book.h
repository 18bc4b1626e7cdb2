// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The errors of one attempt at a problem: a count per step, shown on the
// step's error counter button, and the window's total, shown on the error
// label. The total lives in the error label's Tag (a restored worksheet puts
// it back there), so it is handed in and out rather than kept here.

#include "content/scheme.h"

#include <QString>

#include <array>

namespace quorvia {

class ErrorBook {
public:
    // Every step back to 0 errors.
    void reset() { counts_.fill(0); }
    // One more error on `step` (1..10); its new count. Other steps count nothing.
    int record(int step);
    int count(int step) const;
    // Takes over the count a step's counter button shows (a restored
    // worksheet brings the captions back); a caption that is not one of
    // ours leaves the step at 0.
    void takeCounterCaption(int step, const QString& caption);

    // "Err=" and the count of a step, as its error counter button shows it.
    static QString counterCaption(int count);
    // " ERR=" and the total, as the error label shows it.
    static QString totalCaption(int total);

private:
    std::array<int, kMaxSteps + 1> counts_{};
};

}  // namespace quorvia
