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

# Sets `comment` to the comment that carries the line in a file whose first
# line is $2; empty for a file that is not source. Builtins only, without a
# subshell: the check runs in the test suite.
comment_for() {
  local file=$1 first=$2
  comment=''
  case "$file" in
    tests/*/data/*|fuzz/corpus/*|resources/RISORSE/*) return ;;
    *.cpp|*.cc|*.c|*.h|*.hpp) comment="// $tag" ;;
    CMakeLists.txt|*/CMakeLists.txt|*.cmake|*.sh|*.py|*.desktop|*.desktop.in) comment="# $tag" ;;
    *.ms) comment=".\\\" $tag" ;;
    # Any other executable with a "#!" line is a script too.
    *) if [ -x "$file" ] && [[ $first == '#!'* ]]; then comment="# $tag"; fi ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  lines=()
  for _ in 1 2 3 4 5; do
    IFS= read -r line || break
    lines+=("$line")
  done < "$file"
  comment_for "$file" "${lines[0]:-}"
  [ -n "$comment" ] || continue
  # A "#!" line, then a Python coding line (which must stay among the first
  # two), stay above the licence line.
  above=0
  if [[ ${lines[0]:-} == '#!'* ]]; then
    above=1
    [[ ${lines[1]:-} =~ ^[[:space:]]*#.*coding[:=] ]] && above=2
  fi
  # The line counts only at the top, not quoted somewhere further down.
  [[ "${lines[*]:0:$((above + 3))}" == *"$tag"* ]] && continue
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
