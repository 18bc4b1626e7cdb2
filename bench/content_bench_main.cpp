// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator and the content work of a problem load, as rows of the
// table that scripts/bench.sh prints.

#include "bench_table.h"
#include "content_bench.h"

int main(int argc, char** argv) {
    quorvia::bench::addEvaluatorBenchmarks();
    quorvia::bench::addProblemLoadBenchmarks();
    return quorvia::bench::runAsTable(argc, argv);
}
