#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon packaging/icons/quorvia.svg into the PNG sizes
# of the hicolor theme, packaging/icons/<size>/quorvia.png. The PNGs are
# committed; run this only after changing the drawing.
#
# Usage: tools/make_icons.sh   (needs rsvg-convert from librsvg2-bin)
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
for size in 48 64 128 256; do
  mkdir -p "$icons/$size"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    "$icons/quorvia.svg" --output "$icons/$size/quorvia.png"
done
echo "icons: $(ls "$icons"/*/quorvia.png | wc -l) sizes in $icons"
