#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon packaging/icons/quorvia.svg into the PNG sizes
# of the hicolor theme, packaging/icons/<size>/quorvia.png. The PNGs are
# committed; run this only after changing the drawing.
#
# Usage: tools/make_icons.sh [output folder]   (default packaging/icons;
#        needs rsvg-convert from librsvg2-bin)
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
out=${1:-$icons}
for size in 48 64 128 256; do
  mkdir -p "$out/$size"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    "$icons/quorvia.svg" --output "$out/$size/quorvia.png"
done
echo "icons: 4 sizes in $out"
