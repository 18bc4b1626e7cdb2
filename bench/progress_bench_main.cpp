// SPDX-License-Identifier: GPL-3.0-or-later
// The progress records' rows of the table that scripts/bench.sh prints.

#include "bench_table.h"

namespace quorvia::bench {
void addProgressBenchmarks();
}

int main(int argc, char** argv) {
    quorvia::bench::addProgressBenchmarks();
    return quorvia::bench::runAsTable(argc, argv);
}
