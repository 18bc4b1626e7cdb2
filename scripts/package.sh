#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build-package/quorvia_<version>_amd64.deb: a build
# of its own with Debian's compiler and hardening flags, without the tests and
# the test hooks, stripped and packed by CPack with its library dependencies
# computed. Then lintian looks at it, when it is installed.
#
#   scripts/package.sh        then: apt install ./build-package/quorvia_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIA_PACKAGE_BUILD_DIR:-$root/build-package}

# dpkg-shlibdeps and dpkg-buildflags, file (CPack finds the programs with
# it), scdoc for the manual pages.
"$root/scripts/deps.sh" dpkg-dev file scdoc

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cxxflags=$(dpkg-buildflags --get CXXFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)

generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
# Build type None: the flags are Debian's alone, as debhelper builds.
cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DQUORVIA_BUILD_TESTS=OFF -DQUORVIA_TEST_HOOKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/quorvia_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/quorvia_*.deb)
echo "package: $package"
dpkg-deb --info "$package" | sed -n '/Package:/,$p'

if command -v lintian >/dev/null; then
  echo "lintian:"
  lintian --info "$package"
else
  echo "lintian is not installed (apt-get install lintian): the package was not checked"
fi
