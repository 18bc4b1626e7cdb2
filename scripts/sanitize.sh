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
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"

# The test programs run at build time too, when their tests are listed.
export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

if [ $# -eq 0 ]; then
  cmake --build "$build" --parallel "$(nproc)"
  ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600
else
  programs=()
  for layer in "$@"; do programs+=("${layer}_tests"); done
  # The resource folder beside the programs too, as the full build has it.
  cmake --build "$build" --parallel "$(nproc)" --target quorvia_resources "${programs[@]}"
  failed=()
  for program in "${programs[@]}"; do
    echo "== $program"
    (cd "$build/bin" && "./$program" --gtest_brief=1) || failed+=("$program")
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "sanitizers: failures in ${failed[*]} after $(($(date +%s) - started)) s"
    exit 1
  fi
fi
echo "sanitizers: clean in $(($(date +%s) - started)) s"
