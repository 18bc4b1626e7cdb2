#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top
# of every source file, CMake file and script of the project that lacks it, in
# the comment form of its language and after a "#!" line (and a Python coding
# line) where there is one. Running it again changes nothing.
#
#   scripts/add-spdx.sh           add the line where it is missing
#   scripts/add-spdx.sh --check   only list the files without it; exit 1 if any
#
# The files are those git knows (tracked, or new and not ignored); test data,
# fuzz seeds and the resource folder are data, not source.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tag='SPDX-License-Identifier: GPL-3.0-or-later'

check=0
case "${1:-}" in
  --check) check=1 ;;
  '') ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# The comment that carries the line in this file; nothing for a file that is
# not source.
comment_for() {
  local file=$1
  case "$file" in
    tests/*/data/*|fuzz/corpus/*|resources/RISORSE/*) return ;;
  esac
  case "$file" in
    *.cpp|*.cc|*.c|*.h|*.hpp) echo "// $tag" ;;
    CMakeLists.txt|*/CMakeLists.txt|*.cmake|*.sh|*.py|*.desktop|*.desktop.in) echo "# $tag" ;;
    *.ms) echo ".\\\" $tag" ;;
    *)
      # Any other executable text with a "#!" line is a script too.
      if [ -x "$file" ] && [ "$(head -c 2 "$file")" = '#!' ]; then
        echo "# $tag"
      fi
      ;;
  esac
}

# How many lines stay above the licence line: a "#!" line, then a Python
# coding line, which must stay among the first two.
lines_above() {
  local file=$1 n=0
  if [ "$(head -c 2 "$file")" = '#!' ]; then
    n=1
    if sed -n 2p "$file" | grep -Eq '^[ \t\f]*#.*coding[:=]'; then n=2; fi
  fi
  echo "$n"
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  comment=$(comment_for "$file")
  [ -n "$comment" ] || continue
  above=$(lines_above "$file")
  # The line counts only at the top, not quoted somewhere further down.
  if head -n $((above + 3)) "$file" | grep -qF "$tag"; then
    continue
  fi
  if [ $check -eq 1 ]; then
    echo "$file"
    missing=$((missing + 1))
    continue
  fi
  tmp=$(mktemp "$file.XXXXXX")
  {
    head -n "$above" "$file"
    printf '%s\n' "$comment"
    tail -n +$((above + 1)) "$file"
  } > "$tmp"
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "added: $file"
done < <(git ls-files -z --cached --others --exclude-standard)

if [ $check -eq 1 ] && [ $missing -gt 0 ]; then
  echo "$missing file(s) without \"$tag\" at the top: run scripts/add-spdx.sh" >&2
  exit 1
fi
exit 0
