#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks two exercise windows with a real screen reader and prints what it
# said, line by line: Orca on a D-Bus session of its own, with the AT-SPI
# registry, openbox (without a window manager the registry sees no focus)
# and speech-dispatcher speaking espeak-ng into ALSA's null device, all under
# Xvfb. The beginner's scheme 3 and the advanced scheme 5 each get, by
# keyboard alone, a wrong answer, a hint, a list or a sentence, a right
# answer and a sign.
#
#   scripts/screen-reader-walk.sh [build folder]      (default: build)
#
# QUORVIA_WALK_DISPLAY picks the X display (default :97); QUORVIA_WALK_KEEP=1
# keeps the working folder with Orca's whole debug log.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
program=$build/bin/quorvia
[ -x "$program" ] || { echo "no $program: build first (scripts/build.sh)" >&2; exit 1; }
for tool in Xvfb openbox orca dbus-run-session speech-dispatcher xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool: QUORVIA_DEPS=desktop scripts/deps.sh" >&2; exit 1; }
done

display=${QUORVIA_WALK_DISPLAY:-:97}
work=$(mktemp -d /tmp/quorvia-walk.XXXXXX)
cleanup() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  [ "${QUORVIA_WALK_KEEP:-}" = 1 ] || rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

# Everything private to this walk: Orca's settings, speech-dispatcher's
# configuration (the null sound device: a real one can hang the voice), the
# program's settings.
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 3
LogDir "$work"
DefaultVolume 100
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule espeak-ng
DefaultLanguage "it"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
CONF
# The program's own copy of the resource folder, so nothing it writes
# (progress, settings) lands in the build.
cp -r "$build/bin/RISORSE" "$work/RISORSE"

export QUORVIA_WALK_PROGRAM=$program QUORVIA_WALK_WORK=$work
dbus-run-session -- bash "$root/scripts/screen-reader-walk-inner.sh"
