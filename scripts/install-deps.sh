#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sudo_cmd=""
if [ "$(id -u)" != 0 ]; then sudo_cmd=sudo; fi
mapfile -t packages < <(grep -v '^\s*#' "$here/packages.txt" | grep -v '^\s*$')
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
