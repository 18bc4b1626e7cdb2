#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the handbook: the pictures of the windows in docs/help/figure
# (taken from the program itself by help_pictures, and the class report's
# first page as quorvia-report prints it), then resources/RISORSE/Help.pdf
# from docs/help/aiuto.ms with groff (ms macros, tbl, UTF-8 input through
# preconv; -U lets .PDFPIC read the pictures). The table of contents at the
# front is made from the chapter headings: groff runs until the page numbers
# it reports stop changing.
#
# Usage: tools/make_help.sh                    pictures and Help.pdf
#        tools/make_help.sh --pictures FOLDER  only the pictures, into FOLDER
#        tools/make_help.sh --pdf FILE         only the PDF, from the committed pictures
# The pictures need a build: $QUORVIA_BUILD_DIR, else build/ (help_pictures
# and quorvia-report are built there when missing or stale).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${QUORVIA_BUILD_DIR:-$root/build}
figures=$root/docs/help/figure
pdf=$root/resources/RISORSE/Help.pdf
make_pictures=1
make_pdf=1
case "${1:-}" in
  --pictures) figures=${2:?folder}; make_pdf=0 ;;
  --pdf) pdf=${2:?file}; make_pictures=0 ;;
  "") ;;
  *) echo "usage: $0 [--pictures FOLDER | --pdf FILE]" >&2; exit 2 ;;
esac

figures=$(realpath -m "$figures")
pdf=$(realpath -m "$pdf")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ $make_pictures = 1 ]; then
  if [ -z "${QUORVIA_NO_BUILD:-}" ]; then
    cmake --build "$build" --target help_pictures quorvia-report quorvia-check >/dev/null
  fi
  mkdir -p "$figures"
  rm -f "$figures"/*.png "$figures"/*.txt
  "$build/bin/help_pictures" "$figures"
  # The class report as a teacher prints it, from the test suite's small
  # class; its first page at screen resolution. It carries the day it is
  # made and the folder it read, so it is the one picture not compared.
  mkdir -p "$work/scuola/progressi"
  cp -r "$root/tests/progress/data/classe" "$work/scuola/progressi/3A"
  QT_QPA_PLATFORM=offscreen "$build/bin/quorvia-report" --pdf "$work/classe.pdf" \
    "$work/scuola/progressi/3A" >/dev/null 2>&1
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/classe.pdf" "$figures/resoconto"
  # The checker's report on the bundled folder with one key misspelt, as a
  # teacher would: the part on that file and the summary, folded to the page.
  cp -r "$root/resources/RISORSE" "$work/RISORSE"
  sed -i '/^\[PROBLEMA_4\]/,/^\[PROBLEMA_5\]/s/^MSG_DATO2=/MSG_DATTO2=/' "$work/RISORSE/A_SCHEMA3.INI"
  QT_QPA_PLATFORM=offscreen "$build/bin/quorvia-check" "$work/RISORSE" > "$work/controllo.txt" 2>/dev/null || true
  python3 - "$work/controllo.txt" "$figures/controllo.txt" <<'PY'
import sys, textwrap
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
start = next(i for i, l in enumerate(lines) if l.startswith("== A_SCHEMA3.INI"))
end = next(i for i in range(start + 1, len(lines)) if not lines[i].strip())
kept = lines[start:end] + [""] + [l for l in lines if l.startswith("Riepilogo")]
out = []
for line in kept:
    indent = " " * (len(line) - len(line.lstrip()))
    out += textwrap.wrap(line, 78, subsequent_indent=indent + "  ") or [""]
open(sys.argv[2], "w", encoding="utf-8").write("\n".join(out) + "\n")
PY
fi
[ $make_pdf = 1 ] || exit 0

# A fixed creation date keeps the PDF byte-for-byte the same for the same
# sources, in a clone, a merge or a tarball alike: the release date of the
# version the handbook describes.
release=$(sed -n 's/^set(QUORVIA_RELEASE_DATE \([0-9-]*\))$/\1/p' "$root/CMakeLists.txt")
SOURCE_DATE_EPOCH=$(date -u -d "${release:?no QUORVIA_RELEASE_DATE in CMakeLists.txt}" +%s)
export SOURCE_DATE_EPOCH

# Each PNG becomes a one-page PDF that groff's .PDFPIC embeds. The PNG's
# compressed rows go in as they are: PDF reads PNG's row filters itself.
mkdir -p "$work/fig"
python3 - "$work/fig" "$figures"/*.png <<'PY'
import os, struct, sys, zlib

def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat, head = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            head = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = head
    assert depth == 8 and interlace == 0, path
    channels = {0: 1, 2: 3, 4: 2, 6: 4}[colour]
    if channels in (1, 3):
        return width, height, channels, idat
    # With an alpha channel: unfilter, drop the alpha on white.
    raw = zlib.decompress(idat)
    stride, rows, prev = width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = prev[i], prev[i - channels] if i >= channels else 0
            if kind == 1: line[i] = (line[i] + a) & 255
            elif kind == 2: line[i] = (line[i] + b) & 255
            elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    out, colours = bytearray(), channels - 1
    for line in rows:
        out.append(0)
        for x in range(width):
            alpha = line[x * channels + colours]
            for k in range(colours):
                v = line[x * channels + k]
                out.append((v * alpha + 255 * (255 - alpha)) // 255)
    return width, height, colours, zlib.compress(bytes(out), 9)

def write_pdf(path, width, height, channels, rows):
    space = b"/DeviceRGB" if channels == 3 else b"/DeviceGray"
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] /Contents 4 0 R"
        b" /Resources << /XObject << /Im 5 0 R >> >> >>" % (width, height),
    ]
    content = b"q %d 0 0 %d 0 0 cm /Im Do Q" % (width, height)
    objects.append(b"<< /Length %d >>\nstream\n%s\nendstream" % (len(content), content))
    objects.append(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace %s"
                   b" /BitsPerComponent 8 /Filter /FlateDecode"
                   b" /DecodeParms << /Predictor 15 /Colors %d /BitsPerComponent 8 /Columns %d >>"
                   b" /Length %d >>\nstream\n%s\nendstream"
                   % (width, height, space, channels, width, len(rows), rows))
    out, offsets = b"%PDF-1.4\n", []
    for n, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (n, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    open(path, "wb").write(out)

for png in sys.argv[2:]:
    name = os.path.splitext(os.path.basename(png))[0]
    write_pdf(os.path.join(sys.argv[1], name + ".pdf"), *read_png(png))
PY

# groff runs in the work folder, so nothing of the machine's paths reaches
# the PDF; the fragments of other chapters are found beside aiuto.ms.
cp "$root"/docs/help/*.ms "$work/"
cd "$work"
# groff's -k reads aiuto.ms as UTF-8, but not the files it includes with .so:
# those go through preconv here.
for fragment in *.ms; do
  [ "$fragment" = aiuto.ms ] && continue
  preconv -e utf-8 "$fragment" > "$fragment.utf8" && mv "$fragment.utf8" "$fragment"
done
# The program's texts (the checker's report) are read as they are.
for text in "$figures"/*.txt; do
  sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\&&/" "$text" | preconv -e utf-8 > "$(basename "$text")"
done
: > toc.ms
for pass in 1 2 3 4; do
  groff -U -k -t -ms -Tpdf -dpaper=a4 -P-pa4 -dtoc=toc.ms -dfig=fig aiuto.ms > Help.pdf 2> log
  # Each chapter heading reports itself as "INDICE|page|title".
  sed -n 's/^INDICE|\([^|]*\)|\(.*\)$/.VOCE "\2" \1/p' log > toc.new
  grep -v '^INDICE|' log >&2 || true
  if cmp -s toc.new toc.ms; then
    break
  fi
  [ $pass -lt 4 ] || { echo "the table of contents does not settle" >&2; exit 1; }
  mv toc.new toc.ms
done
mkdir -p "$(dirname "$pdf")"
mv Help.pdf "$pdf"
echo "Help.pdf: $(pdfinfo "$pdf" | awk '/^Pages/ {print $2}') pages, $(stat -c %s "$pdf") bytes"
