// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the launch benchmark: with QUORVIA_TEST_READY set, the program prints
// "pronta" as soon as its main window takes typing, and ends.

class QWidget;

namespace quorvia {

// Does nothing, and says so, without the variable.
bool scheduleReadyProbe(QWidget& main);

}  // namespace quorvia
