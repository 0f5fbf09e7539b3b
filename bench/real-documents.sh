#!/usr/bin/env bash
# Merging and splitting real manuals nobody here made, through the real
# pdfworker against qpdf and mutool in the same run (bench_real). Installs
# the documents first: the Debian packages lilypond-doc-pdf (manuals up to
# 930 pages and 29 MB, music fonts and vector graphics), asymptote-doc and
# auto-multiple-choice-doc-pdf (Japanese and French text). The README's
# commands never install these.
#   bash bench/real-documents.sh [--repeat N] [--no-4x] [--work DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
packages=(lilypond-doc-pdf asymptote-doc auto-multiple-choice-doc-pdf)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [ ! -x "$build/bench/bench_real" ] || [ ! -x "$build/bin/pdfworker" ]; then
    echo "build first (scripts/build.sh): $build/bench/bench_real and $build/bin/pdfworker are needed" >&2
    exit 1
fi
for tool in qpdf mutool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/packages.txt installs it)" >&2; exit 1; }
done
exec "$build/bench/bench_real" --worker "$build/bin/pdfworker" "$@"
