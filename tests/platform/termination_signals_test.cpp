// SPDX-License-Identifier: GPL-3.0-or-later
// A termination signal reaches the program between two events, and only
// while the program asks for it.

#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace quorvia::platform {
namespace {

TEST(TerminationSignals, ArriveAsAnEventAndActAsBeforeAfterwards)
{
    struct sigaction before {};
    ::sigaction(SIGTERM, nullptr, &before);
    for (int number : {SIGTERM, SIGHUP}) {
        int received = 0;
        {
            const TerminationSignals handled([&] { ++received; });
            ASSERT_EQ(std::raise(number), 0);
            EXPECT_EQ(received, 0) << "not inside the signal handler";
            QElapsedTimer waited;
            waited.start();
            while (received == 0 && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            EXPECT_EQ(received, 1) << number;
            EXPECT_TRUE(terminationRequested());
        }
        EXPECT_FALSE(terminationRequested());
        struct sigaction after {};
        ::sigaction(SIGTERM, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}

}  // namespace
}  // namespace quorvia::platform
