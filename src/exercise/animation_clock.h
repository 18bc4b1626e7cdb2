// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phases of a window's animations, driven by its 100 ms clock. The clock
// only decides; the window owns the players and does what a tick asks.
//
//   error         (no phase change) ticks 10, then GIF1 goes      1.1 s
//   step success  phase 5, ticks 15, then GIF2 goes               1.6 s
//   closing       phase 1, ticks 36, GIF2 freezes; phase 0,
//                 ticks 38, then the end picture                  7.6 s
// GIF3 travels to the right on every tick while it is visible.

namespace quorvia {

struct TickOutcome {
    bool freeze_gif2 = false;       // closing, first part over: GIF2 stops, stays on screen
    bool end_step_success = false;  // stop and hide GIF2, stop the clock
    bool end_closing = false;       // the closing sequence is over
    bool end_error = false;         // stop and hide GIF1, stop the clock
    bool move_gif3 = false;         // GIF3 moves on by one step

    bool stopsClock() const { return end_step_success || end_closing || end_error; }
};

class AnimationClock {
public:
    static constexpr int kClosing = 0;
    static constexpr int kClosingStart = 1;
    static constexpr int kStepSuccess = 5;

    static constexpr int kErrorTicks = 10;
    static constexpr int kStepSuccessTicks = 15;
    static constexpr int kClosingStartTicks = 36;
    static constexpr int kClosingTicks = 38;
    static constexpr int kGif3Step = 10;  // pixels a tick

    void startError() { ticks_ = kErrorTicks; }
    void startStepSuccess();
    // `gif2Shown`: the closing animation is on screen. Without it the
    // sequence still runs its course by the ticks alone, so a window whose
    // animation file is missing is not left waiting for it forever.
    void startClosing(bool gif2Shown);

    TickOutcome tick(bool gif2Visible, bool gif1Visible, bool gif3Visible);

    // Back to no animation at all: a new start or a closed window must not
    // carry the last problem's phase into the next error or success.
    void reset();

    int phase() const { return phase_; }
    int ticks() const { return ticks_; }

private:
    int phase_ = kClosing;
    int ticks_ = 0;
    bool closing_without_gif2_ = false;
};

}  // namespace quorvia
