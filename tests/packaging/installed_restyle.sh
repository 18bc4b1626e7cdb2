#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program on a read-only installation: a teacher's appearance
# change goes to $XDG_CONFIG_HOME/quorvia/CONFIGURE.INI, made from the
# installed CONFIGURE.INI, which stays as it was.
#
#   installed_restyle.sh PREFIX BUNDLED_CONFIGURE_INI
#
# The program's test hook (QUORVIA_TEST_RESTYLE) right-clicks the title of
# the first exercise window and answers the colour dialog with yellow. Root
# may write anywhere, so as root the program runs as the user nobody.
set -eu
prefix=$1 bundled=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cp -a "$prefix" "$work/usr"
mkdir "$work/home" "$work/config"
folder=$work/usr/share/quorvia/RISORSE
chmod -R a-w "$work/usr"

run_as=""
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "setpriv is needed to run as another user"; exit 77; }
  chown nobody "$work/home" "$work/config"
  run_as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi

status=0
env -u QUORVIA_RISORSE HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  QUORVIA_TEST_RESTYLE='#ffff00' $run_as "$work/usr/bin/quorvia" || status=$?
if [ $status -ne 0 ]; then
  echo "the installed program ended with $status"
  exit 1
fi

user_file=$work/config/quorvia/CONFIGURE.INI
if [ ! -f "$user_file" ]; then
  echo "no $user_file; the configuration folder holds:"; ls -R "$work/config"
  exit 1
fi
cmp "$bundled" "$folder/CONFIGURE.INI" || { echo "the installed CONFIGURE.INI changed"; exit 1; }
# Yellow, red in the low byte, on the title of problem 1 of scheme 3, beginner mode.
section=$(tr -d '\r' < "$user_file" | awk '/^\[/ { on = ($0 == "[Titolo_S1_L1_P1]") } on')
printf '%s\n' "$section" | grep -qx 'COLOR=65535' || { echo "not the chosen colour:"; printf '%s\n' "$section"; exit 1; }
# Everything else of the installed file came along.
expected=$(grep -c '^\[' "$bundled")
found=$(grep -c '^\[' "$user_file")
[ "$expected" -eq "$found" ] || { echo "$found sections in the user's copy, $expected installed"; exit 1; }
grep -q "^CAPTION=Problemi con un'operazione" "$user_file" || { echo "the installed captions are missing"; exit 1; }
echo "the change is in $user_file"
