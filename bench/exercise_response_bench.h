// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the exercise window's answers to the child: a Verifica click
// to its feedback painted, and a problem start to the window painted.

namespace quorvia::bench {

void addExerciseResponseBenchmarks();

}  // namespace quorvia::bench
