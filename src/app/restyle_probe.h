// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test build's way to see, on an installed program with no screen and no
// one at the mouse, where a teacher's appearance change lands. With the
// environment variable QUORVIA_TEST_RESTYLE set to a colour (#rrggbb), the
// program opens the exercise window of the main window's selection, answers
// a right click on its title with that colour through the program's own
// event path, and ends: exit status 0 when the change was saved without a
// message, 1 otherwise. Not built into packages.

namespace quorvia {

class TForm1;

// Schedules the probe when the variable is set; false when it is not.
bool scheduleRestyleProbe(TForm1& main);

}  // namespace quorvia
