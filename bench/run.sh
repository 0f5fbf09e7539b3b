#!/usr/bin/env bash
# Runs the benchmarks built into build/bench (or $BUILD_DIR/bench); each
# prints its figures and the ratios against the reference tools.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${BUILD_DIR:-$root/build}/bench
if [ ! -d "$bench" ]; then
    echo "no benchmarks in $bench: build first (scripts/build.sh)" >&2
    exit 1
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# PDF operations: rendering against mutool and pdftoppm, extraction against qpdf.
if [ -x "$bench/bench_pdf" ]; then
    echo "== bench_pdf"
    "$bench/bench_pdf" "${SW_BENCH_PAGES:-400}" 2>&1 | grep -v -e '^DebenuService' -e 'DebenuService::'
fi

# Splitting through the real pdfworker against qpdf: one file per page,
# twenty ranges of 100 pages, dropping every tenth page (time and peak memory).
if [ -x "$bench/bench_split" ]; then
    echo "== bench_split"
    "$bench/bench_split" --pages "${SW_BENCH_SPLIT_PAGES:-2400}" --repeat "${SW_BENCH_REPEAT:-3}" \
        --worker "$(dirname "$bench")/bin/pdfworker" 2>&1 | grep -v -e 'XDG_RUNTIME_DIR'
fi
