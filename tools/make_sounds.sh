#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the sounds of resources/RISORSE with sox (and espeak-ng for the
# spoken goodbye). Every file is a plain PCM wave, 16-bit mono at 22050 Hz,
# with nothing but the "fmt " and "data" chunks: the score window works out
# how long a sound lasts from its header.
#
# Usage: tools/make_sounds.sh [output folder]   (default resources/RISORSE)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../resources/RISORSE}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
# -R: repeatable output, so regenerating gives the same bytes.
sx() { sox -R -V1 "$@"; }
# The format every intermediate and final file uses.
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)

# tone FILE SECONDS WAVE FREQ [effects...]: one note, soft attack, given decay.
tone() {
  local file=$1 len=$2 wave=$3 freq=$4
  shift 4
  sx -n "${fmt[@]}" "$work/$file" synth "$len" "$wave" "$freq" "$@"
}

# bell FILE SECONDS FREQ GAIN: a struck note with an octave and a fifth above
# it, dying away like a small bell.
bell() {
  local file=$1 len=$2 freq=$3 gain=$4
  sx -n "${fmt[@]}" "$work/$file" synth "$len" sine "$freq" \
    synth "$len" sine mix $((freq * 2)) \
    synth "$len" sine mix $((freq * 3)) \
    fade l 0.003 "$len" "$len" gain "$gain"
}

silence() { sx -n "${fmt[@]}" "$work/$1" trim 0 "$2"; }

finish() {  # finish NAME inputs...: join, normalise a little below full scale
  local name=$1
  shift
  sx "$@" "${fmt[@]}" "$out/$name" norm -3
}

# --- fischio.wav: a cheerful whistled tune, about 2 s, starting and ending
# in silence so that the loop joins without a click.
i=0
whistle() {  # whistle SECONDS FROM-TO
  i=$((i + 1))
  tone "w$i.wav" "$1" sine "$2" tremolo 7 25 fade q 0.02 "$1" 0.04 gain -4
}
silence s0.wav 0.08
silence s1.wav 0.10
silence s2.wav 0.30
whistle 0.16 1046-1318
whistle 0.14 1318
whistle 0.14 1175
whistle 0.28 1046-1568
whistle 0.12 1568
whistle 0.12 1397
whistle 0.12 1318
whistle 0.30 1175-1046
finish fischio.wav "$work"/s0.wav "$work"/w{1..4}.wav "$work"/s1.wav \
  "$work"/w{5..8}.wav "$work"/s2.wav

# --- ding.wav: one short bright ding for each point of the count-up. The
# score window gives itself two ticks per second of this file (plus ten), and
# every tick starts the ding again, so the silence after it lets the count
# reach 20 while only the ding is ever heard.
bell ding.wav 0.4 1318 -6
silence d0.wav 4.6
finish ding.wav "$work/ding.wav" "$work/d0.wav"

# --- bravo.wav: two quick rising chimes for a right step.
bell b1.wav 0.18 1046 -6
bell b2.wav 0.42 1568 -6
finish bravo.wav "$work/b1.wav" "$work/b2.wav"

# --- nooo.wav: a soft wobbling "boing" that slides down, never harsh.
tone n1.wav 0.6 sine 420-180 tremolo 9 60 fade q 0.01 0.6 0.35 lowpass 1200
finish nooo.wav "$work/n1.wav"

# --- afinale.wav: the problem is finished with help: a calm, gentle arpeggio.
tone a1.wav 0.30 triangle 523 fade q 0.02 0.30 0.10 gain -8
tone a2.wav 0.30 triangle 659 fade q 0.02 0.30 0.10 gain -8
tone a3.wav 0.90 triangle 784 fade q 0.02 0.90 0.70 gain -8
finish afinale.wav "$work/a1.wav" "$work/a2.wav" "$work/a3.wav"

# --- wfinale.wav: the child solved it: a little brass fanfare, G C E G-chord.
brass() {  # brass FILE SECONDS FREQ
  sx -n "${fmt[@]}" "$work/$1" synth "$2" sawtooth "$3" synth "$2" square mix "$3" \
    lowpass 1600 lowpass 1600 fade h 0.02 "$2" 0.06 gain -12
}
brass f1.wav 0.16 392
brass f2.wav 0.16 523
brass f3.wav 0.16 659
silence f4.wav 0.06
brass f5a.wav 1.3 784
brass f5b.wav 1.3 523
brass f5c.wav 1.3 659
sx -m "$work/f5a.wav" "$work/f5b.wav" "$work/f5c.wav" "${fmt[@]}" "$work/f5.wav" \
  fade q 0 1.3 0.8
finish wfinale.wav "$work/f1.wav" "$work/f2.wav" "$work/f3.wav" "$work/f4.wav" "$work/f5.wav"

# --- msg_chiusura.wav: a short jingle, then "Ciao, alla prossima!" in Italian.
bell c1.wav 0.22 784 -8
bell c2.wav 0.22 659 -8
bell c3.wav 0.45 1046 -8
espeak-ng -v it -s 150 -p 60 -w "$work/voice_raw.wav" "Ciao, alla prossima!"
sx "$work/voice_raw.wav" "${fmt[@]}" "$work/voice.wav" silence 1 0.02 1% reverse \
  silence 1 0.02 1% reverse
silence c4.wav 0.05
finish msg_chiusura.wav "$work/c1.wav" "$work/c2.wav" "$work/c3.wav" "$work/c4.wav" \
  "$work/voice.wav"

for f in fischio ding bravo nooo afinale wfinale msg_chiusura; do
  printf '%-18s %6.2f s %7d bytes\n' "$f.wav" "$(soxi -D "$out/$f.wav")" \
    "$(stat -c %s "$out/$f.wav")"
done
