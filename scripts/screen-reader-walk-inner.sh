#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The walk inside its D-Bus session (started by screen-reader-walk.sh).
set -uo pipefail

work=$QUORVIA_WALK_WORK
log=$work/orca.log

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
orca --debug-file="$log" >/dev/null 2>&1 &
orca=$!
sleep 5
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# What Orca said from line $1 of its log on.
spoken_since() {
  tail -n +"$1" "$log" | grep -a "SPEECH OUTPUT: '" |
    sed -E -e "s/^.*SPEECH OUTPUT: '//" -e "s/' ?\{'established.*$//" | grep -v -x -e '' -e ' ' || true
}
mark() { wc -l <"$log"; }
# A key (xdotool's name), then what Orca said for it.
key() {
  local at
  at=$(mark)
  xdotool key --clearmodifiers "$1"
  sleep "${2:-1.2}"
  echo "  [$1]"
  spoken_since $((at + 1)) | sed 's/^/      /'
}
# Types a sentence without echoing each letter into the transcript.
typed() {
  xdotool type --delay 20 "$1"
  sleep 0.5
  echo "  [scrive: $1]"
}
said() { spoken_since "$1" | grep -q -F -- "$2"; }

# Presses $3 (Tab unless given) until Orca names the focus with $1, at most
# $2 times; what Orca said on the way stays out of the transcript.
focus_named() {
  local at
  for ((n = 0; n < $2; n++)); do
    at=$(mark)
    xdotool key "${3:-Tab}"
    # Orca writes its log a moment later: wait for it, or the name heard
    # would be the one before.
    sleep 1.6
    if said "$((at + 1))" "$1"; then
      echo "  [${3:-Tab} to: $1]"
      return 0
    fi
  done
  echo "  (no focus named '$1' after $2 presses)"
}

# A window of the main window's mode (1 beginner, 2 advanced) and scheme
# (1 = 3, 4 = 5), opened with Space on "Inizia".
open_window() {
  local mode=$1 scheme=$2
  "$QUORVIA_WALK_PROGRAM" --risorse "$work/RISORSE" >"$work/program.out" 2>&1 &
  program=$!
  sleep 6
  # The focus starts in the name box.
  xdotool type --delay 20 "Anna"
  focus_named "Modo di lavoro" 14 >/dev/null
  xdotool key Page_Down
  for ((i = 1; i < mode; i++)); do xdotool key Up; sleep 0.3; done
  focus_named "Schema dei problemi" 14 >/dev/null
  xdotool key Page_Down
  for ((i = 1; i < scheme; i++)); do xdotool key Up; sleep 0.3; done
  focus_named "Inizia" 14 >/dev/null
  key space 6
}
close_program() {
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  sleep 1
}

echo "== P3: beginner, scheme 3, problem 1"
open_window 1 1
echo "-- the list of step 1: four sentences met with Down, Enter checks the one chosen"
key Down; key Down; key Down; key Down
key Return 3
echo "-- the hint of step 1"
focus_named "Errori e suggerimento del passo 1" 4
key space 2
focus_named "Scegli la frase del passo 1" 4 shift+Tab
echo "-- steps 1 to 3: each sentence in turn until one is right"
for step in 1 2 3; do
  for ((n = 0; n < 5; n++)); do
    at=$(mark)
    xdotool key Home
    for ((i = 0; i < n; i++)); do xdotool key Down; sleep 0.3; done
    sleep 0.8
    echo "  [Home, Down x$n]"
    spoken_since $((at + 1)) | tail -n 1 | sed 's/^/      /'
    key Return 3
    if said "$((at + 1))" "Giusto"; then break; fi
  done
done
echo "-- the operation scheme: a sign typed on its label"
focus_named "Segno dell" 8
key plus 1.5
key minus 1.5
close_program

echo
echo "== A5: advanced, scheme 5, problem 1"
open_window 2 4
echo "-- a wrong question, checked"
typed "Quanti euro ha il nonno?"
focus_named "Verifica il passo 1" 4
key space 3
echo "-- the hint of step 1"
focus_named "Errori e suggerimento del passo 1" 4
key space 2
echo "-- the right question"
focus_named "Frase del passo 1" 4 shift+Tab
xdotool key ctrl+a
typed "Quanti euro restano a Gabriele?"
focus_named "Verifica il passo 1" 4
key space 3
echo "-- the three data"
step=2
for sentence in "Gabriele ha 15 euro nel salvadanaio." "Il nonno regala a Gabriele 10 euro." \
  "Il libro costa 18 euro."; do
  typed "$sentence"
  focus_named "Verifica il passo $step" 4
  key space 3
  step=$((step + 1))
done
echo "-- the operation scheme: a sign typed on its label"
focus_named "Segno dell" 10
key plus 1.5
close_program

kill "$orca" 2>/dev/null
wait "$orca" 2>/dev/null
exit 0
