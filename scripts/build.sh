#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (or $QUORVIA_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_BUILD_DIR:-$root/build}
generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" "$@"
cmake --build "$build" --parallel "$(nproc)"
