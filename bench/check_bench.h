// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvia::bench {

// The row of quorvia-check's cost per solved problem: the program run on a
// folder of 160 problems and on one of 16, in pairs.
void addCheckBenchmarks();

}  // namespace quorvia::bench
