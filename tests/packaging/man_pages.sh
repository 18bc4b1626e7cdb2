#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built manual pages as man shows them: no word broken by English
# hyphenation, and quorvia(1) tells what an IT person needs to know.
#
#   man_pages.sh MAN_FOLDER     (exit 77 when the pages were not built)
set -u
folder=$1
[ -f "$folder/quorvia.1.gz" ] && command -v man >/dev/null || exit 77
status=0
for page in quorvia quorvia-check quorvia-report; do
  text=$(MANWIDTH=72 man -l "$folder/$page.1.gz" 2>/dev/null)
  if grep -qE '[[:alpha:]]‐$' <<<"$text"; then
    echo "FAIL: $page(1) hyphenates:"
    grep -nE '[[:alpha:]]‐$' <<<"$text" | head -3
    status=1
  fi
  if ! grep -q -- '--version' <<<"$text"; then
    echo "FAIL: $page(1) says nothing of --version"
    status=1
  fi
done
text=$(MANWIDTH=200 man -l "$folder/quorvia.1.gz" 2>/dev/null)
for wanted in 'CARTELLA_PROGRESSI' 'RISERVATEZZA' 'LETTURA AD ALTA VOCE' 'LEGGI_AD_ALTA_VOCE' \
              'quorvia-report(1)' 'F2'; do
  if ! grep -qF -- "$wanted" <<<"$text"; then
    echo "FAIL: quorvia(1) says nothing of $wanted"
    status=1
  fi
done
[ $status -eq 0 ] && echo "ok: the three pages"
exit $status
