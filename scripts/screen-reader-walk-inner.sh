#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The walk inside its D-Bus session (started by screen-reader-walk.sh).
#
# Nothing here sleeps for a guessed time: after each key the walk waits until
# Orca's debug log shows the speech the key should bring (or, where nothing
# particular is expected, any speech and then a log at rest), with a time
# limit. The program answers Orca's questions late when the machine is
# busy, and a walk that slept would hear the key before.
set -uo pipefail

work=$QUORVIA_WALK_WORK
log=$work/orca.log
: >"$log"

# --- Orca's log -------------------------------------------------------------

mark() { wc -l <"$log"; }
# What Orca said from line $1 of its log on, one utterance a line.
spoken_since() {
  tail -n +"$1" "$log" | grep -a "SPEECH OUTPUT: '" |
    sed -E -e "s/^.*SPEECH OUTPUT: '//" -e "s/' ?\{'established.*$//" -e "s/'$//" |
    grep -v -x -e '' -e ' ' || true
}
said() { spoken_since "$1" | grep -q -F -- "$2"; }
# What Orca said for a control or an event, without its echo of the keys
# pressed (an echo ends with a space).
meant_since() { spoken_since "$1" | grep -v ' $' || true; }
# Waits until the log has stopped growing for $1 tenths of a second, at
# most $2 tenths.
rest() {
  local still=0 waited=0 size last
  last=$(stat -c %s "$log")
  while ((still < $1 && waited < $2)); do
    sleep 0.1
    waited=$((waited + 1))
    size=$(stat -c %s "$log")
    if [ "$size" = "$last" ]; then still=$((still + 1)); else still=0; last=$size; fi
  done
}
# Waits until Orca has said $2 (any speech when empty) since line $1, at most
# $3 seconds, then for the log to rest; false when the words never came.
await() {
  local from=$1 words=$2 limit=$((${3:-10} * 10)) waited=0
  while ((waited < limit)); do
    if [ -z "$words" ]; then
      [ -n "$(meant_since "$from")" ] && break
    elif said "$from" "$words"; then
      break
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  rest 6 30
  ((waited < limit))
}

# --- keys -------------------------------------------------------------------

# A key (xdotool's name), then what Orca said for it; $2: the words awaited.
key() {
  local at
  at=$(mark)
  xdotool key --clearmodifiers "$1"
  await "$at" "${2:-}" "${3:-10}" || echo "  (still waiting for '${2:-speech}')"
  echo "  [$1]"
  spoken_since "$at" | sed 's/^/      /'
}
# Types a sentence; Orca's echo of each letter stays out of the transcript.
typed() {
  xdotool type --delay 40 "$1"
  rest 10 50
  echo "  [scrive: $1]"
}
# Presses $3 (Tab unless given) until Orca names the focus with $1, at most
# $2 times; what Orca said on the way stays out of the transcript.
focus_named() {
  local at n
  for ((n = 0; n < $2; n++)); do
    at=$(mark)
    xdotool key "${3:-Tab}"
    await "$at" "" 6 >/dev/null
    if said "$at" "$1"; then
      # Orca may name a control late, once the focus has gone on: the
      # last control it named is where the focus is.
      rest 15 40
      if ! meant_since "$at" | tail -n 1 | grep -q -F -- "$1"; then
        xdotool key "$([ "${3:-Tab}" = Tab ] && echo shift+Tab || echo Tab)"
        await "$(mark)" "$1" 6 >/dev/null
      fi
      echo "  [${3:-Tab} fino a: $1]"
      spoken_since "$at" | sed 's/^/      /'
      return 0
    fi
  done
  echo "  (no focus named '$1' after $2 presses)"
  return 1
}

# --- the stack --------------------------------------------------------------

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
# The registry answers before Orca asks for it.
for ((i = 0; i < 100; i++)); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
openbox >/dev/null 2>&1 &
wm=$!
orca --debug-file="$log" >/dev/null 2>&1 &
orca=$!
await 1 "" 40 >/dev/null || echo "(Orca said nothing at start)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

program=""
# A window of the main window's mode (1 beginner, 2 advanced) and scheme
# spinner value (1 = scheme 3, 4 = scheme 5), started with Enter on "Inizia".
open_window() {
  local mode=$1 scheme=$2 at i
  at=$(mark)
  "$QUORVIA_WALK_PROGRAM" --risorse "$work/RISORSE" >"$work/program.out" 2>&1 &
  program=$!
  await "$at" "nome" 60 >/dev/null || echo "  (the main window was not announced)"
  echo "== main window"
  # The focus starts in the name box.
  typed "Anna"
  focus_named "Modo di lavoro" 14 shift+Tab
  key Page_Down "" 3
  for ((i = 1; i < mode; i++)); do key Up "" 5; done
  focus_named "Schema dei problemi" 4
  key Page_Down "" 3
  for ((i = 1; i < scheme; i++)); do key Up "" 5; done
  focus_named "Inizia" 6
  key Return "Passo 1" 30
}
close_program() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  program=""
}

# --- P3 ---------------------------------------------------------------------

part=${QUORVIA_WALK_PART:-}
if [ "$part" != A5 ]; then
echo "== P3: beginner, scheme 3, problem 1"
open_window 1 1
echo "-- the list of step 1: four sentences met with Down, Enter checks the one chosen"
key Down; key Down; key Down; key Down
key Return "notification" 15
echo "-- the hint of step 1"
focus_named "Errori e suggerimento del passo 1" 4
key space "notification" 10
echo "-- steps 1 to 3: each sentence in turn until one is right"
for step in 1 2 3; do
  focus_named "Scegli la frase del passo $step" 6 shift+Tab >/dev/null
  for ((n = 1; n <= 5; n++)); do
    key Home
    for ((i = 1; i < n; i++)); do key Down >/dev/null; done
    at=$(mark)
    key Return "notification" 15
    if said "$at" "Giusto"; then break; fi
  done
done
echo "-- the operation scheme: a sign typed on its label, then one from the menu"
focus_named "Segno dell" 8
key plus "più"
key space "" 5
key Down "" 5
key Down "" 5
key Return "Segno" 5
close_program
fi

# --- A5 ---------------------------------------------------------------------

if [ "$part" != P3 ]; then
echo
echo "== A5: advanced, scheme 5, problem 1"
open_window 2 4
echo "-- a wrong question, checked with Enter"
typed "Quanti euro ha il nonno?"
key Return "notification" 15
echo "-- the hint of step 1"
focus_named "Errori e suggerimento del passo 1" 4
key space "notification" 10
echo "-- the right question"
focus_named "Frase del passo 1" 4 shift+Tab
key ctrl+a "" 3
typed "Quanti euro restano a Gabriele?"
key Return "Giusto" 15
echo "-- the three data"
for sentence in "Gabriele ha 15 euro nel salvadanaio." "Il nonno regala a Gabriele 10 euro." \
  "Il libro costa 18 euro."; do
  typed "$sentence"
  key Return "Giusto" 15
done
echo "-- the operation scheme: numbers, a wrong sign and a check, then the signs put right"
typed "15"
focus_named "Segno dell" 3
key x "per"
key Tab "" 5
typed "10"
key Tab "" 5
typed "25"
key Tab "" 5
key minus "meno"
key Tab "" 5
typed "18"
key Tab "" 5
typed "7"
key Return "notification" 15
echo "-- the first sign again, from the menu"
focus_named "Segno dell'operazione: per" 12 shift+Tab
key space "" 5
key Down "più" 5
key Return "più" 5
focus_named "Verifica il passo 5" 12
key space "Giusto" 15
echo "-- the answer"
typed "A Gabriele restano 7 euro."
key Return "Bravo" 20
close_program
fi

kill "$orca" "$wm" "$bus" 2>/dev/null
wait "$orca" "$wm" "$bus" 2>/dev/null
exit 0
