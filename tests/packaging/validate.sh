#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates a menu entry (desktop) or an AppStream file (metainfo) with the
# freedesktop tool; any error or warning fails, AppStream's infos do not.
# Exits 77 (skipped) when the tool is not installed.
kind=$1 file=$2
case $kind in
  desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
    report=$(desktop-file-validate "$file" 2>&1); status=$?
    problems=$report ;;
  metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli is not installed"; exit 77; }
    report=$(appstreamcli validate --no-net --no-color "$file" 2>&1); status=$?
    problems=$(printf '%s\n' "$report" | grep -E '^[EW]:') ;;
  *) echo "usage: $0 desktop|metainfo FILE" >&2; exit 2 ;;
esac
printf '%s\n' "$report"
[ $status -eq 0 ] && [ -z "$problems" ]
