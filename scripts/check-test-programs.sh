#!/usr/bin/env bash
# The programs the tests and benchmarks start must be installed by the
# project's own scripts: on a fresh machine nothing else is there. Finds
# every program named where a test or benchmark starts one (a literal name in
# start(), execute(), run(), runTool(), startDetached(), tool(),
# findExecutable(), program() or SW_REQUIRE_PROGRAM()) and fails, naming it,
# when it comes from no package known here, its package is not in
# scripts/packages.txt, or it is not installed.
# Usage: scripts/check-test-programs.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# The Debian package of each program the tests may start; "-" for those on
# every Debian system (essential packages).
declare -A package_of=(
    [qpdf]=qpdf
    [pdfinfo]=poppler-utils
    [pdftotext]=poppler-utils
    [pdftoppm]=poppler-utils
    [mutool]=mupdf-tools
    [rsvg-convert]=librsvg2-bin
    [Xvfb]=xvfb
    [dbus-launch]=dbus-x11
    [desktop-file-validate]=desktop-file-utils
    [appstreamcli]=appstream
    [readelf]=binutils
    [file]=file
    [dpkg-shlibdeps]=dpkg-dev
    [groff]=groff-base
    [gzip]=gzip
    [img2pdf]=img2pdf
    [bash]=-
    [sh]=-
    [ldd]=-
    [dpkg]=-
    [dpkg-deb]=-
    [dpkg-query]=-
)

listed=" $(sed -e 's/#.*//' scripts/packages.txt | tr -s ' \t\n' ' ') "
[ "$listed" != "  " ] || { echo "check-test-programs: scripts/packages.txt is missing or empty" >&2; exit 1; }

# "file: name" for each program named where a process is started.
mapfile -t started < <(grep -rHoP --include='*.cpp' --include='*.h' \
    '\b(?:start|execute|run|runTool|startDetached|tool|findExecutable|program|SW_REQUIRE_PROGRAM)\(\s*(?:QStringLiteral\(|QString\(|QLatin1String\()?\s*"\K[A-Za-z0-9_.+-]+(?=")' \
    tests bench | sort -t: -k2,2 -u)
printf '%s\n' "${started[@]}" | grep -q ':qpdf$' \
    || { echo "check-test-programs: the scan found no started program: it is broken" >&2; exit 1; }

failures=0
for entry in "${started[@]}"; do
    file=${entry%%:*}
    name=${entry#*:}
    package=${package_of[$name]:-}
    if [ -z "$package" ]; then
        echo "$file starts \"$name\", which comes from no package listed in scripts/check-test-programs.sh"
        failures=$((failures + 1))
    elif [ "$package" != - ] && [[ "$listed" != *" $package "* ]]; then
        echo "\"$name\" (package $package) is not in scripts/packages.txt"
        failures=$((failures + 1))
    elif ! command -v "$name" >/dev/null 2>&1 && [ ! -x "/usr/bin/$name" ] && [ ! -x "/usr/sbin/$name" ] \
         && [ ! -x "/sbin/$name" ]; then
        echo "the program \"$name\" is not installed (scripts/install-deps.sh installs it)"
        failures=$((failures + 1))
    fi
done
if [ "$failures" -gt 0 ]; then
    echo "check-test-programs: $failures program(s) not installed by the project" >&2
    exit 1
fi
echo "check-test-programs: the ${#started[@]} programs the tests start come from listed packages"
