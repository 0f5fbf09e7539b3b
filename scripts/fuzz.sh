#!/usr/bin/env bash
# Builds the libFuzzer target with clang (build-fuzz/) and fuzzes the PDF
# operations for the given number of seconds (default 60), starting from the
# shared fixtures. Findings land in build-fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S "$root/tests/fuzz/libfuzzer" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$build/corpus" "$build/findings"
cp -n "$root"/../shared/fixtures/pdf/*.pdf "$build/corpus/" 2>/dev/null || true
cd "$build"
QT_QPA_PLATFORM=offscreen HOME="$build/home" ./fuzz_pdf -max_total_time="$seconds" -max_len=200000 \
    -artifact_prefix="$build/findings/" -print_final_stats=1 corpus
