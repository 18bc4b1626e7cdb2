#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates resources/RISORSE/Help.pdf from docs/help/aiuto.ms with groff
# (ms macros, tbl, UTF-8 input through preconv; -U lets .PDFPIC read the cover) and puts the program's owl on
# the cover.
#
# Usage: tools/make_help.sh [output folder]   (default resources/RISORSE)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$here/..
out=${1:-$root/resources/RISORSE}
mkdir -p "$out"
# A fixed creation date keeps the PDF byte-for-byte the same when the text
# has not changed: the time of the last commit of the help source.
stamp=$(git -C "$root" log -1 --format=%ct -- docs/help 2>/dev/null || true)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-${stamp:-1735689600}}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick is often not allowed to write PDF, so the cover picture goes
# out as PPM and is wrapped into a one-page PDF here.
convert "$root/resources/RISORSE/splash.png" -crop 250x204+0+0 +repage -background white \
  -alpha remove -depth 8 \
  ppm:"$work/logo.ppm"
python3 - "$work/logo.ppm" "$work/logo.pdf" <<'PY'
import sys, zlib
data = open(sys.argv[1], "rb").read()
fields, pos = [], 0
while len(fields) < 4:  # P6, width, height, maxval, separated by blanks
    while data[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
w, h = int(fields[1]), int(fields[2])
pixels = zlib.compress(data[pos + 1:pos + 1 + w * h * 3], 9)
objects = [
    b"<< /Type /Catalog /Pages 2 0 R >>",
    b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] /Contents 4 0 R"
    b" /Resources << /XObject << /Im 5 0 R >> >> >>" % (w, h),
]
content = b"q %d 0 0 %d 0 0 cm /Im Do Q" % (w, h)
objects.append(b"<< /Length %d >>\nstream\n%s\nendstream" % (len(content), content))
objects.append(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB"
               b" /BitsPerComponent 8 /Filter /FlateDecode /Length %d >>\nstream\n%s\nendstream"
               % (w, h, len(pixels), pixels))
out, offsets = b"%PDF-1.4\n", []
for n, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n%s\nendobj\n" % (n, body)
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[2], "wb").write(out)
PY
groff -U -k -t -ms -Tpdf -dpaper=a4 -P-pa4 -dlogo="$work/logo.pdf" \
  "$root/docs/help/aiuto.ms" > "$work/Help.pdf"
mv "$work/Help.pdf" "$out/Help.pdf"
echo "Help.pdf: $(pdfinfo "$out/Help.pdf" | awk '/^Pages/ {print $2}') pages," \
  "$(stat -c %s "$out/Help.pdf") bytes"
