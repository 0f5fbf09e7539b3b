#!/usr/bin/env bash
# Fails when a source file includes from a room (folder) that its own room
# may not use. The rooms, lowest first:
#   app      helpers (logging, files, settings keys, install layout): app/
#            without the application object, main and crash reporting
#   pdf      the PDF operations, service and rendering
#   protocol what split, merge and pdfworker share about a worker run: result
#            codes, request/response files, the worker process, write errors,
#            output names, the session folder
#   split, merge  engines, records, launchers, controllers; merge/ never
#            uses split/, split/ uses only merge/'s progress interface,
#            document properties and information reading
#   cli      the commands "sheafwright split" and "merge" (their own library,
#            on the core alone: no window system)
#   widgets  shared widgets
#   screens  the files of split/ and merge/ that build into the program's
#            widget library (sheafwright_gui in CMakeLists.txt)
#   shell, top (app/Application, app/main, app/CrashInstaller), worker
# A second rule follows the build targets: a file of a lower library
# (core < render < control < gui) never includes a header of a higher one,
# so pdfworker, which links only the core, can never pull in Gui or MuPDF.
# Usage: scripts/check-rooms.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

declare -A allowed=(
    [app]="app"
    [pdf]="app pdf"
    [protocol]="app pdf protocol"
    [merge]="app pdf protocol merge"
    [split]="app pdf protocol merge split"
    [cli]="app pdf protocol merge split cli"
    [widgets]="app pdf protocol merge split widgets"
    [screens]="app pdf protocol merge split widgets screens"
    [shell]="app pdf protocol merge split widgets screens shell top"
    [top]="app pdf protocol merge split widgets screens shell top cli"
    [worker]="app pdf protocol merge split worker"
)
# Files a room may use although their room sits above it, as the layout
# places them: the window bar and the save-folder model live in shell/, the
# application object (reached by widgets for the style and the settings) in app/.
declare -A exceptions=(
    [widgets]="shell/WindowBar.h app/Application.h"
    [screens]="shell/WindowBar.h shell/SaveFolderModel.h shell/SaveFolderDelegate.h app/Application.h"
)
# What split/ may take from merge/.
split_from_merge="merge/IProgress.h merge/NullProgress.h merge/DocumentProperties.h merge/DocumentInformation.h merge/InformationWorker.h"

# Sources of each library, read from CMakeLists.txt.
declare -A target_of=()
target_rank() { case $1 in core) echo 0 ;; render) echo 1 ;; control) echo 2 ;; gui) echo 3 ;; *) echo -1 ;; esac; }
for target in core render control gui; do
    while read -r file; do
        target_of[${file%.*}]=$target
    done < <(awk -v t="sheafwright_$target" '
        $0 ~ "^add_library\\(" t " " { inside = 1; next }
        inside { last = /\)/; gsub(/[()]/, ""); for (i = 1; i <= NF; i++) if ($i ~ /\.(c|cpp)$/) print $i; if (last) inside = 0 }' CMakeLists.txt)
done

room_of() {
    local file=$1 folder=${1%%/*} stem=${1%.*}
    case $folder in
    app)
        case $stem in app/Application | app/main | app/CrashInstaller) echo top ;; *) echo app ;; esac ;;
    split | merge)
        if [ "${target_of[$stem]:-}" = gui ]; then echo screens; else echo "$folder"; fi ;;
    pdf | protocol | cli | widgets | shell | worker) echo "$folder" ;;
    *) echo "" ;;
    esac
}

failures=0
complain() { echo "$1: includes $2 ($3)"; failures=$((failures + 1)); }
while IFS= read -r file; do
    room=$(room_of "$file")
    [ -n "$room" ] || continue
    own_target=${target_of[${file%.*}]:-}
    [ "$room" = worker ] && own_target=core   # pdfworker links the core alone
    # The commands' library links the core, and the render library only for
    # MuPDF's repair of unreadable inputs (never the interface's libraries).
    [ "$room" = cli ] && own_target=render
    own_rank=$(target_rank "$own_target")
    while IFS= read -r included; do
        [ -n "$included" ] || continue
        used=$(room_of "$included")
        [ -n "$used" ] || continue
        if [[ " ${allowed[$room]} " != *" $used "* ]] && [[ " ${exceptions[$room]:-} " != *" $included "* ]]; then
            complain "$file" "$included" "room $room may not use room $used"
        elif [ "$room" = split ] && [ "$used" = merge ] && [[ " $split_from_merge " != *" $included "* ]]; then
            complain "$file" "$included" "split/ takes from merge/ only: $split_from_merge"
        fi
        used_rank=$(target_rank "${target_of[${included%.*}]:-}")
        if [ "$own_rank" -ge 0 ] && [ "$used_rank" -gt "$own_rank" ]; then
            complain "$file" "$included" "a higher library than its own"
        fi
    done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([a-z]+\/[^"]+)".*/\1/p' "$file")
done < <(git ls-files --cached --others --exclude-standard -- 'app/*' 'pdf/*' 'protocol/*' 'split/*' 'merge/*' 'widgets/*' 'shell/*' 'worker/*' 'cli/*' \
         | grep -E '\.(h|cpp|c)$')

if [ "$failures" -gt 0 ]; then
    echo "check-rooms: $failures include(s) against the rooms' order (see scripts/check-rooms.sh)" >&2
    exit 1
fi
echo "check-rooms: every include keeps to the rooms' order"
