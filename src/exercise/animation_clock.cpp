// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/animation_clock.h"

namespace quorvia {

void AnimationClock::startStepSuccess()
{
    phase_ = kStepSuccess;
    ticks_ = kStepSuccessTicks;
}

void AnimationClock::startClosing(bool gif2Shown)
{
    phase_ = kClosingStart;
    ticks_ = kClosingStartTicks;
    closing_without_gif2_ = !gif2Shown;
}

void AnimationClock::reset()
{
    phase_ = kClosing;
    ticks_ = 0;
    closing_without_gif2_ = false;
}

TickOutcome AnimationClock::tick(bool gif2Visible, bool gif1Visible, bool gif3Visible)
{
    TickOutcome out;
    if (ticks_ > 0) {
        --ticks_;
    } else {
        // The phases follow GIF2 on screen; a closing sequence that never had
        // GIF2 follows its phases all the same.
        const bool inClosing = phase_ == kClosingStart || phase_ == kClosing;
        if (gif2Visible || (closing_without_gif2_ && inClosing)) {
            switch (phase_) {
            case kClosingStart:
                phase_ = kClosing;
                out.freeze_gif2 = true;
                ticks_ = kClosingTicks;
                break;
            case kStepSuccess:
                out.end_step_success = true;
                break;
            case kClosing:
                out.end_closing = true;
                closing_without_gif2_ = false;
                break;
            default:
                break;
            }
        }
        if (gif1Visible)
            out.end_error = true;
    }
    // The end of the closing sequence takes GIF3 away before it would move.
    out.move_gif3 = gif3Visible && !out.end_closing;
    return out;
}

}  // namespace quorvia
