// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the GUI test programs: the tests run inside the program's
// own application object, so its general error handler is the one in force.

#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The tests never need a screen; the build lists them with no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quorvia::platform::Application app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
