#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one,
# one after the other, for SECONDS seconds.
#
#   scripts/fuzz.sh SECONDS [TARGET...]     e.g. scripts/fuzz.sh 60 evaluator
#
# Targets are the fuzz/<name>_fuzzer.cpp that fuzz/CMakeLists.txt builds;
# with none named, all of them run. The seeds in fuzz/corpus/<name> are only
# read; what a run learns stays in build-fuzz/corpus/<name> for the next run.
# A crash, hang, leak or memory blow-up leaves its input in
# build-fuzz/findings/<name>/ and makes the script exit with 1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_FUZZ_BUILD_DIR:-$root/build-fuzz}

if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS [TARGET...]" >&2
  exit 2
fi
seconds=$1
shift

# clang and its runtime, which carries libFuzzer and the sanitizers.
"$root/scripts/deps.sh" clang libclang-rt-14-dev

generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" "${generator[@]}" \
  -DQUORVIA_BUILD_FUZZERS=ON -DQUORVIA_BUILD_TESTS=OFF
# Only the fuzzers and the libraries they link: the programs are not needed.
nice -n 10 cmake --build "$build" --parallel "$(nproc)" --target quorvia_fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in "$build"/fuzz/*_fuzzer; do
    name=$(basename "$binary")
    targets+=("${name%_fuzzer}")
  done
fi

# The readers of the Qt layers run Qt, whose font caches live as long as the
# process; the suppressions name only such libraries.
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

found=0
summary=()
for name in "${targets[@]}"; do
  binary=$build/fuzz/${name}_fuzzer
  if [ ! -x "$binary" ]; then
    echo "no fuzzer named $name (built: $(cd "$build/fuzz" && ls -- *_fuzzer | tr '\n' ' '))" >&2
    exit 2
  fi
  corpus=$build/corpus/$name
  findings=$build/findings/$name
  log=$build/logs/$name.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  read -r -a flags < "$binary.flags"
  echo "== $name: $seconds s"
  # New inputs go to the first folder; the committed seeds are only read.
  touch "$findings/.started"
  status=0
  # Debian's Qt has no frame pointers, so the suppressions of its font
  # engine's caches match only the full stacks the slow unwinder gives; only
  # the target that lays out text pays for it.
  unwind=
  [ "$name" = worksheet ] && unwind=fast_unwind_on_malloc=0
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}$unwind nice -n 10 "$binary" "$corpus" "$root/fuzz/corpus/$name" "${flags[@]}" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=5 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
  artifacts=$(find "$findings" -type f ! -name .started -newer "$findings/.started" | sort)
  if [ "$status" -ne 0 ] || [ -n "$artifacts" ]; then
    found=1
    summary+=("$name: FOUND A PROBLEM (exit $status) after ${runs:-?} runs, see $log")
    grep -m1 -E 'ERROR: |runtime error|==ERROR|deadly signal|timeout|out-of-memory' "$log" || true
    for a in $artifacts; do echo "   input: $a"; done
  else
    summary+=("$name: clean, ${runs:-?} runs, ${coverage:-cov: ?}, corpus $(ls "$corpus" | wc -l) inputs")
  fi
done

echo
printf '%s\n' "${summary[@]}"
exit "$found"
