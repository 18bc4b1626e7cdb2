// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures that need a process of their own: the first creation of the
// windows (fonts, styles and plugins are loaded once per process), the CPU
// a window uses while nobody touches it, and the peak memory of a run.
// window_bench starts itself again with "--harness=<name>"; the child does
// the one thing, prints one number and ends.

#include <QString>

#include <optional>

namespace quorvia::bench {

// The measures a child can take, each printing one number:
//   cold-creation  seconds to create the ten windows, first thing after
//                  the application object
//   idle-main      % of one core over 10 s, the main window shown and
//                  animating
//   idle-exercise  % of one core over 10 s, an exercise window opened by the
//                  start button and waiting for the child
//   peak-program   VmHWM in bytes after creating every window and opening
//                  each exercise window on a problem
//   peak-startup   VmHWM in bytes after creating every window and showing
//                  the main window for a second, no exercise window opened
//   peak-bare      VmHWM in bytes of a bare Qt Widgets window (a QWidget with
//                  a QLabel, shown)
//   launch-bare    prints "pronta" once a bare window takes typing
//                  (launch_bench.h)
// Returns the exit code when `argument` names a harness, nothing otherwise.
std::optional<int> runHarnessIfAsked(int& argc, char** argv);

// Runs the child for `name` and reads its number; nothing (and `error`
// says why) when it failed.
std::optional<double> measureInChild(const QString& name, QString* error);

}  // namespace quorvia::bench
