#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the screenshots need,
# asking apt only for what is missing so a ready machine starts at once.
# A script that needs more (the fuzzer's clang, the package tools) names
# them as arguments: scripts/deps.sh clang libclang-rt-14-dev
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins qt6-translations-l10n
  # Qt's text to speech; its CMake files ask for QmlIntegration, which only
  # qt6-declarative-dev provides
  qt6-speech-dev qt6-declarative-dev
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-comic-neue
  # the manual pages, and the validators of the menu entry and AppStream file
  scdoc desktop-file-utils appstream
  # the handbook: groff (with gropdf) and python3 make Help.pdf, poppler's
  # pdftoppm, pdftotext and pdfinfo draw the class report's page and read
  # the PDF back in the tests
  groff poppler-utils python3
)
packages+=("$@")
# Screenshots and rendered pages need these too; CI skips them.
if [ "${QUORVIA_DEPS:-}" = "desktop" ]; then
  packages+=(xvfb xauth xdotool imagemagick)
  # the Italian voice that reads aloud
  packages+=(qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
  # scripts/screen-reader-walk.sh: a window manager, the AT-SPI registry, Orca
  packages+=(openbox at-spi2-core dbus-x11 orca espeak-ng)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
