#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The three programs as a school's IT person meets them over ssh or in a
# script: no window system at all. --version and --help answer, and a wrong
# command line is told, without touching a display.
#
#   no_display.sh BIN_FOLDER
set -u
bin=$1
status=0

# expect EXIT PATTERN PROGRAM ARGUMENTS...: the exit status and a line of the
# output (stdout and stderr together).
expect() {
  local want=$1 pattern=$2
  shift 2
  local out rc
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)
  rc=$?
  if [ "$rc" -ne "$want" ] || ! grep -qE "$pattern" <<<"$out"; then
    echo "FAIL: $* exited $rc (wanted $want) saying:"
    echo "$out" | sed 's/^/    /'
    status=1
  else
    echo "ok: $*"
  fi
}

for program in quorvia quorvia-check quorvia-report; do
  expect 0 "^$program [0-9]+\.[0-9]+" "$bin/$program" --version
  expect 0 "^Uso: $program " "$bin/$program" --help
  expect 2 "^$program: opzione sconosciuta: --nessuna" "$bin/$program" --nessuna
done
exit $status
