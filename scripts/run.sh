#!/usr/bin/env bash
# One command: install what is needed, build, and start Sheafwright.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/sheafwright" "$@"
