// SPDX-License-Identifier: GPL-3.0-or-later
// The phases of the animation clock, tick by tick, with the players' state
// as the window would report it.

#include "exercise/animation_clock.h"

#include <gtest/gtest.h>

namespace quorvia {
namespace {

// Plays the players the way the window does with what each tick asks, and
// counts the ticks until the clock stops.
struct Players {
    bool gif1 = false, gif2 = false, gif3 = false;
    int gif3_left = 0;
    int closing_ends = 0;
    int gif2_frozen_at = -1;

    int run(AnimationClock& clock, int limit = 1000)
    {
        for (int tick = 1; tick <= limit; ++tick) {
            const TickOutcome out = clock.tick(gif2, gif1, gif3);
            if (out.freeze_gif2)
                gif2_frozen_at = tick;
            if (out.end_step_success)
                gif2 = false;
            if (out.end_closing) {
                ++closing_ends;
                gif3 = false;
                gif2 = false;
            }
            if (out.end_error)
                gif1 = false;
            if (out.move_gif3)
                gif3_left += AnimationClock::kGif3Step;
            if (out.stopsClock())
                return tick;
        }
        return -1;
    }
};

TEST(AnimationClock, ErrorAnimationLastsElevenTicks)
{
    AnimationClock clock;
    Players players;
    players.gif1 = true;
    clock.startError();
    EXPECT_EQ(players.run(clock), 11);
    EXPECT_FALSE(players.gif1);
}

TEST(AnimationClock, StepSuccessLastsSixteenTicksInPhaseFive)
{
    AnimationClock clock;
    Players players;
    players.gif2 = true;
    clock.startStepSuccess();
    EXPECT_EQ(clock.phase(), AnimationClock::kStepSuccess);
    EXPECT_EQ(players.run(clock), 16);
    EXPECT_FALSE(players.gif2);
}

TEST(AnimationClock, ClosingSequenceRunsBothPartsWithGif3Travelling)
{
    AnimationClock clock;
    Players players;
    players.gif2 = players.gif3 = true;
    clock.startClosing(true);
    EXPECT_EQ(clock.phase(), AnimationClock::kClosingStart);
    EXPECT_EQ(players.run(clock), 37 + 39);
    EXPECT_EQ(players.gif2_frozen_at, 37);
    EXPECT_EQ(players.closing_ends, 1);
    EXPECT_EQ(clock.phase(), AnimationClock::kClosing);
    // Moved on every tick but the last, when it went away.
    EXPECT_EQ(players.gif3_left, 75 * AnimationClock::kGif3Step);
}

TEST(AnimationClock, ClosingWithoutItsAnimationStillEnds)
{
    AnimationClock clock;
    Players players;
    clock.startClosing(false);
    EXPECT_EQ(players.run(clock), 37 + 39);
    EXPECT_EQ(players.closing_ends, 1);
}

TEST(AnimationClock, AnErrorAfterAClosingSequenceDoesNotEndItAgain)
{
    AnimationClock clock;
    Players players;
    clock.startClosing(false);
    players.run(clock);
    players.gif1 = true;
    clock.startError();
    EXPECT_EQ(players.run(clock), 11);
    EXPECT_EQ(players.closing_ends, 1);
}

TEST(AnimationClock, AResetClosingSequenceNeverEndsAFreshProblemsError)
{
    // Cut short by a new start or a closed window in either part of the closing.
    for (const int ticksBeforeReset : {5, 40}) {
        SCOPED_TRACE(ticksBeforeReset);
        AnimationClock clock;
        Players players;
        clock.startClosing(false);
        for (int tick = 0; tick < ticksBeforeReset; ++tick)
            clock.tick(false, false, false);
        clock.reset();
        EXPECT_EQ(clock.ticks(), 0);
        players.gif1 = true;
        clock.startError();
        EXPECT_EQ(players.run(clock), 11);
        EXPECT_EQ(players.closing_ends, 0);
    }
}

TEST(AnimationClock, ErrorDuringStepSuccessEndsBothTogether)
{
    AnimationClock clock;
    Players players;
    players.gif2 = true;
    clock.startStepSuccess();
    for (int i = 0; i < 5; ++i)
        clock.tick(players.gif2, players.gif1, players.gif3);
    players.gif1 = true;
    clock.startError();
    EXPECT_EQ(players.run(clock), 11);
    EXPECT_FALSE(players.gif1);
    EXPECT_FALSE(players.gif2);
}

TEST(AnimationClock, WithNothingOnScreenTheClockWaits)
{
    // A step success whose animation is not on screen: nothing for the
    // clock to end (the windows never start it so).
    AnimationClock clock;
    Players players;
    clock.startStepSuccess();
    EXPECT_EQ(players.run(clock, 200), -1);
}

}  // namespace
}  // namespace quorvia
