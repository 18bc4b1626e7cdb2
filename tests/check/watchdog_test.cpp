// SPDX-License-Identifier: GPL-3.0-or-later
// The watchdog that calls out a check that stopped moving.

#include "check/watchdog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

namespace quorvia::check::testing {
namespace {

TEST(Watchdog, CallsOutTheWorkThatStoppedMoving)
{
    std::promise<std::string> stalled;
    std::future<std::string> told = stalled.get_future();
    {
        Watchdog watchdog(std::chrono::milliseconds(50),
                          [&stalled](const std::string& work) { stalled.set_value(work); });
        watchdog.beat("P_SCHEMA3.INI, problema 4");
        ASSERT_EQ(told.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    }
    EXPECT_EQ(told.get(), "P_SCHEMA3.INI, problema 4");
}

TEST(Watchdog, StaysQuietWhenTheCheckEndsInTime)
{
    bool stalled = false;
    {
        Watchdog watchdog(std::chrono::hours(1), [&stalled](const std::string&) { stalled = true; });
        watchdog.beat("GENERALE.INI");
    }
    EXPECT_FALSE(stalled);
}

}  // namespace
}  // namespace quorvia::check::testing
