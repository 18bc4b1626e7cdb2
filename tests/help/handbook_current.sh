#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed handbook is the one its sources make now:
#   handbook_current.sh pictures BUILD_DIR   the windows look as their pictures
#   handbook_current.sh pdf                  Help.pdf is the PDF of aiuto.ms
# A window, a text or a picture changed without running tools/make_help.sh
# fails here, naming what differs. Exit 77 when a tool the handbook needs is
# not installed.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
case "$1" in
  pictures)
    command -v pdftoppm >/dev/null || exit 77
    QUORVIA_NO_BUILD=1 QUORVIA_BUILD_DIR=$2 "$root/tools/make_help.sh" --pictures "$work/figure" || exit 1
    committed=$(cd "$root/docs/help/figure" && ls)
    fresh=$(cd "$work/figure" && ls)
    if [ "$committed" != "$fresh" ]; then
      echo "FAIL: docs/help/figure and what the program makes differ ('<' committed only, '>' new):"
      diff <(echo "$committed") <(echo "$fresh") | grep '^[<>]' | sed 's/^/  /'
      status=1
    fi
    for picture in $fresh; do
      # The class report's page shows the day it was made.
      [ "$picture" = resoconto.png ] && continue
      if [ -f "$root/docs/help/figure/$picture" ] && ! cmp -s "$work/figure/$picture" "$root/docs/help/figure/$picture"; then
        echo "FAIL: $picture is not what the window shows now"
        status=1
      fi
    done
    ;;
  pdf)
    command -v groff >/dev/null && command -v pdfinfo >/dev/null && command -v python3 >/dev/null || exit 77
    "$root/tools/make_help.sh" --pdf "$work/Help.pdf" >/dev/null || exit 1
    if ! cmp -s "$work/Help.pdf" "$root/resources/RISORSE/Help.pdf"; then
      echo "FAIL: resources/RISORSE/Help.pdf is not the PDF of docs/help and its pictures"
      status=1
    fi
    ;;
esac
if [ $status -eq 0 ]; then
  echo "ok: the handbook's $1 match what the program and the sources make now"
else
  echo "Run tools/make_help.sh and commit docs/help/figure and resources/RISORSE/Help.pdf."
fi
exit $status
