#!/usr/bin/env bash
# Refreshes resources/translations/leafcut_*.ts from the program's sources
# with lupdate (package qttools5-dev-tools): new texts arrive as unfinished;
# texts no longer in the sources stay, marked vanished, with their
# translation (so a text that comes back keeps it) unless --drop-vanished. Translate the new entries
# afterwards (Qt Linguist or a text editor); scripts/check-translations.sh
# (run by .ci/run) fails while any entry is unfinished.
# English: the texts in the sources are drafts kept as they are; the English
# file holds their proofread wording (and the singular and plural of each
# count), and stands in for any language without a file of its own. New
# entries arrive in it pre-filled with the source text: proofread them.
# Usage: scripts/update-translations.sh            refresh the .ts files
#        scripts/update-translations.sh --drop-vanished   ... and drop texts
#                                                  that left the sources
#        scripts/update-translations.sh --probe F  write the texts found into F
#                                                  only (used by check-translations.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export QT_SELECT=qt5
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
inputs=(resources/translations/language-name.h)
for folder in app protocol cli shell widgets split merge; do [ -d "$folder" ] && inputs+=("$folder"); done
options=(-silent -locations none -extensions cpp,h -I "$root")
if [ "${1:-}" = "--drop-vanished" ] || [ "${1:-}" = "--probe" ]; then options+=(-no-obsolete); fi
run_lupdate() { "$lupdate" "${options[@]}" "${inputs[@]}" -ts "$@"; }

if [ "${1:-}" = "--probe" ]; then
    [ -n "${2:-}" ] || { echo "--probe needs a file name" >&2; exit 2; }
    rm -f "$2"
    run_lupdate "$2"
    exit 0
fi

files=(resources/translations/leafcut_*.ts)
run_lupdate "${files[@]}"

english=resources/translations/leafcut_en.ts
if [ -f "$english" ]; then
    perl -0pi -e '
        s{(<message numerus="yes">\s*<source>([^<]*)</source>(?:(?!</message>).)*?)<translation type="unfinished">(.*?)</translation>}
         { my ($head, $text, $forms) = ($1, $2, $3);
           $forms =~ s{<numerusform></numerusform>}{<numerusform>$text</numerusform>}g;
           "$head<translation>$forms</translation>" }gse;
        s{(<message>\s*<source>([^<]*)</source>(?:(?!</message>).)*?)<translation type="unfinished">[^<]*</translation>}
         {$1<translation>$2</translation>}gs;
    ' "$english"
fi
for f in "${files[@]}"; do
    printf '%s: %s unfinished\n' "$f" "$(grep -c 'type="unfinished"' "$f" || true)"
done
