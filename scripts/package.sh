#!/usr/bin/env bash
# Builds the Debian package of Sheafwright with CPack: installs what is needed
# (scripts/packages.txt), builds, and writes sheafwright_<version>_<arch>.deb
# into build/ (or $BUILD_DIR). Its dependencies are those of the libraries the
# program and pdfworker link, found by dpkg-shlibdeps.
# Install it with:  sudo apt install ./build/sheafwright_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
rm -f "$build"/sheafwright_*.deb
(cd "$build" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build")
rm -rf "$build/_CPack_Packages"
ls "$build"/sheafwright_*.deb
