#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs it headless. Any memory fault, leak or undefined
# behaviour fails the run.
#
#   scripts/sanitize.sh                  every layer, through ctest
#   scripts/sanitize.sh content evaluator   only these layers' test programs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_ASAN_BUILD_DIR:-$root/build-asan}
started=$(date +%s)

"$root/scripts/deps.sh"

flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DQUORVIA_TEST_PER_CASE=OFF

# Starting Qt under the sanitizers costs more than most cases, so each test
# program runs as a few processes (ctest shards) rather than one per case.
# The fast unwinder keeps those runs short. Debian's Qt has no frame
# pointers, so its stacks can stop early and a leak that lsan.supp matches
# by a deeper frame may be reported: whatever fails runs again with the
# slow, complete unwinder, which is also the stack a real fault is read by.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
slow_unwind=$ASAN_OPTIONS:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

if [ $# -eq 0 ]; then
  cmake --build "$build" --parallel "$(nproc)"
  if ! ctest --test-dir "$build" --parallel "$(nproc)" --timeout 600; then
    echo "sanitizers: the failures again, with complete stacks"
    ASAN_OPTIONS=$slow_unwind ctest --test-dir "$build" --rerun-failed --output-on-failure \
      --parallel "$(nproc)" --timeout 1800
  fi
else
  programs=()
  for layer in "$@"; do programs+=("${layer}_tests"); done
  # The resource folder beside the programs too, as the full build has it.
  cmake --build "$build" --parallel "$(nproc)" --target quorvia_resources "${programs[@]}"
  failed=()
  for program in "${programs[@]}"; do
    echo "== $program"
    (cd "$build/bin" && "./$program" --gtest_brief=1) ||
      (echo "== $program again, with complete stacks" &&
       cd "$build/bin" && ASAN_OPTIONS=$slow_unwind "./$program" --gtest_brief=1) ||
      failed+=("$program")
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "sanitizers: failures in ${failed[*]} after $(($(date +%s) - started)) s"
    exit 1
  fi
fi
echo "sanitizers: clean in $(($(date +%s) - started)) s"
