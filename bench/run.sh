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

# Page viewer: scrolls a generated document (2,000 pages by default) offscreen
# page by page; compares its cost per page with mutool and pdftoppm at 72 dpi.
if [ -x "$bench/bench_viewer" ]; then
    echo "== bench_viewer"
    work=$(mktemp -d)
    "$bench/bench_viewer" "${SW_VIEWER_PAGES:-2000}" "$work" 2>/dev/null | tee "$work/viewer.txt"
    doc=$(sed -n 's/^document=//p' "$work/viewer.txt")
    ours=$(sed -n 's/^first_pass_ms_per_page=//p' "$work/viewer.txt")
    sample=200
    for tool in mutool pdftoppm; do
        command -v "$tool" >/dev/null || continue
        start=$(date +%s.%N)
        if [ "$tool" = mutool ]; then
            mutool draw -q -r 72 -o "$work/mu-%d.ppm" "$doc" 1-$sample >/dev/null 2>&1
        else
            pdftoppm -r 72 -f 1 -l $sample "$doc" "$work/pp" >/dev/null 2>&1
        fi
        end=$(date +%s.%N)
        theirs=$(echo "($end - $start) * 1000 / $sample" | bc -l)
        printf '%s (ppm, 72 dpi, wall): %.3f ms/page; viewer paint / %s = %.2f\n' \
            "$tool" "$theirs" "$tool" "$(echo "$ours / $theirs" | bc -l)"
    done
    rm -rf "$work"
fi

# Page grid on the 2,400-page and the 930-page LilyPond manuals (installed by
# bench/real-documents.sh): first screen of pictures, longest event-loop stall
# while scrolling from the first page to the last, memory, and the cost of a
# picture against mutool draw at the same size. SW_BENCH_REAL=0 leaves it out.
if [ -x "$bench/bench_grid" ] && [ "${SW_BENCH_REAL:-1}" != 0 ]; then
    echo "== bench_grid"
    "$bench/bench_grid" 2>&1 | grep -v -e 'DebenuService' -e 'XDG_RUNTIME_DIR' -e 'PagePictureLoader' || true
fi

# Merging through pdfworker against qpdf (and mutool merge): four large
# documents, and the one-file-per-page split of one document.
if [ -x "$bench/bench_merge" ]; then
    echo "== bench_merge"
    "$bench/bench_merge" "${SW_BENCH_SINGLES:-2000}" "${SW_BENCH_LARGE_PAGES:-3000}" 2>&1 \
        | grep -v -e 'DebenuService' -e 'removeDirectory'
fi

# Splitting by size against one file per page on a real manual (by default
# the LilyPond notation manual when installed, else the auto-multiple-choice
# manual of scripts/packages.txt): CPU time, files written to measure sizes,
# how full the parts are.
if [ -x "$bench/bench_splitbysize" ]; then
    echo "== bench_splitbysize"
    manual=/usr/share/doc/lilypond/html/Documentation/notation.pdf
    [ -f "$manual" ] || manual=/usr/share/doc/auto-multiple-choice/auto-multiple-choice.en.pdf
    "$bench/bench_splitbysize" --file "${SW_BENCH_MANUAL:-$manual}" --repeat "${SW_BENCH_REPEAT:-3}" 2>&1 \
        | grep -v -e 'DebenuService'
fi

# Real manuals (installed by the script itself): merging a manual with itself,
# all the manuals of a package, one file per page, each at 1x, 2x and 4x,
# against qpdf and mutool. SW_BENCH_REAL=0 leaves it out.
if [ "${SW_BENCH_REAL:-1}" != 0 ]; then
    echo "== bench_real"
    bash "$root/bench/real-documents.sh" --repeat "${SW_BENCH_REAL_REPEAT:-1}"
fi
