#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in build-bench/ (an optimised build with debug
# information, as the program ships) and prints one Markdown table: every
# row with its target and whether it is met, headed by the machine and date.
#
#   scripts/bench.sh [Google Benchmark flags]   e.g. --benchmark_filter=load
#
# Run it on an otherwise idle machine when the numbers are to be recorded
# (docs/performance.md); each row shows the fastest of several repetitions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_BENCH_BUILD_DIR:-$root/build-bench}

# Every program prints rows of the table: the plain layers, the progress
# records and the class report, then the windows.
programs=(content_bench progress_bench window_bench)

# muparser is only the yardstick of the evaluator rows, so the build proper
# does not need it: scripts/deps.sh installs it only when asked here.
"$root/scripts/deps.sh" libmuparser-dev

generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVIA_BUILD_BENCHMARKS=ON -DQUORVIA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${programs[@]}" >/dev/null

export QT_QPA_PLATFORM=offscreen
model=$(lscpu | sed -n 's/^Model name: *//p' | head -1)
cpus=$(lscpu | sed -n 's/^CPU(s): *//p' | head -1)
echo "Machine: ${model:-unknown CPU}, ${cpus:-?} CPUs; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
first=1
for program in "${programs[@]}"; do
  if [ $first -eq 1 ]; then
    "$build/bin/$program" "$@"
    first=0
  else
    "$build/bin/$program" "$@" | tail -n +3  # one header for the whole table
  fi
done
