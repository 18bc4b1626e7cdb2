#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The handbook's table of contents, read back from the PDF: every chapter of
# the sources is listed, in their order, and each listed page opens with its
# chapter's heading.
#
#   toc_pages.py HELP_PDF HELP_SOURCE_FOLDER   (exit 77 without pdftotext)
import os
import re
import shutil
import subprocess
import sys

pdf, sources = sys.argv[1], sys.argv[2]
if not shutil.which("pdftotext"):
    sys.exit(77)


def normal(text):
    text = text.replace("\u2019", "'").replace("\\(aq", "'")
    return " ".join(text.split())


def chapters(name, seen):
    """The .CAPITOLO headings of a source and of the files it includes."""
    titles = []
    for line in open(os.path.join(sources, name), encoding="utf-8"):
        heading = re.match(r'\.CAPITOLO\s+"(.*)"', line)
        # Chapters come in .ms files; other included files are texts.
        included = re.match(r"\.so\s+(\S+\.ms)\s*$", line)
        if heading:
            titles.append(normal(heading.group(1)))
        elif included and included.group(1) not in seen:
            seen.add(included.group(1))
            titles += chapters(included.group(1), seen)
    return titles


text = subprocess.run(["pdftotext", "-layout", "-enc", "UTF-8", pdf, "-"],
                      check=True, capture_output=True, text=True).stdout
pages = text.split("\f")
contents = next((p for p in pages if re.search(r"^\s*Indice\s*$", p, re.M)), None)
if contents is None:
    sys.exit("FAIL: no page has the heading 'Indice'")
listed = []
for line in contents.splitlines():
    entry = re.match(r"^\s*(\S.*?)\s*\.{3,}\s*(\d+)\s*$", line)
    if entry:
        listed.append((normal(entry.group(1).rstrip(". ")), int(entry.group(2))))

failures = []
wanted = chapters("aiuto.ms", set())
if [title for title, _ in listed] != wanted:
    failures.append("the table lists\n  %s\nbut the chapters are\n  %s"
                    % ("\n  ".join(t for t, _ in listed), "\n  ".join(wanted)))
for title, page in listed:
    if page < 1 or page > len(pages):
        failures.append("%s: page %d is not in the PDF" % (title, page))
        continue
    lines = [normal(l) for l in pages[page - 1].splitlines() if l.strip()]
    if not lines or lines[0] != title:
        failures.append("%s: listed at page %d, which opens with %r"
                        % (title, page, lines[0] if lines else ""))
for failure in failures:
    print("FAIL:", failure)
if failures:
    print("Regenerate the handbook with tools/make_help.sh.")
    sys.exit(1)
print("ok: %d chapters, each on its listed page" % len(listed))
