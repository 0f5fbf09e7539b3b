#!/usr/bin/env bash
# Builds pdfworker, the core and the tests that need no widgets (the unit
# tests and the end-to-end tests of the worker: CTest label "nowidgets") with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (or
# $SANITIZE_BUILD_DIR) and runs those tests there. Any sanitizer report
# fails the run, also one from a worker process whose failure a test would
# have accepted. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
bash "$root/scripts/install-deps.sh"
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# -O1 with line tables only: quicker to build, still exact stack traces.
cmake -S "$root" -B "$build" -DSW_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    "${launcher[@]}" >/dev/null
mapfile -t tests < <(cd "$build" && ctest -N -L '^nowidgets$' | sed -n 's/^ *Test *#[0-9]*: *//p')
if [ ${#tests[@]} -eq 0 ]; then
    echo "No tests labelled nowidgets" >&2
    exit 1
fi
cmake --build "$build" -j"$(nproc)" --target pdfworker translations "${tests[@]}"

reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="log_path=$reports/asan:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
status=0
(cd "$build" && ctest --output-on-failure -j"$(nproc)" --timeout 900 -L '^nowidgets$' "$@") || status=$?
if [ -n "$(ls -A "$reports")" ]; then
    echo "Sanitizer reports:"
    for report in "$reports"/*; do
        echo "== $report"
        cat "$report"
    done
    status=1
fi
exit $status
