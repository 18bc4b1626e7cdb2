// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmarks of the plain layers, registered by content_bench's main.

namespace quorvia::bench {

void addEvaluatorBenchmarks();
void addProblemLoadBenchmarks();

}  // namespace quorvia::bench
