// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of a launch: from starting the program to a main window that
// takes typing, with the speech daemon not yet running (the first start
// after a login) and already running, against a bare Qt Widgets window
// launched the same way.

namespace quorvia::bench {

void addLaunchBenchmarks();

// The bare window of those rows, run by window_bench as a child
// (--harness=launch-bare): a QLineEdit, focused, that prints "pronta" once a
// typed key lands in it.
int launchBare(int& argc, char** argv);

}  // namespace quorvia::bench
