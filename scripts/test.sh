#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
