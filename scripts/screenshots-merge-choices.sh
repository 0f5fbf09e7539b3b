#!/usr/bin/env bash
# Screenshots of the merge screen's page choices for docs/: per language a
# list with chosen pages in one row, a turned row and the interleave options
# on (merge-choices-LANG.png); in English also a refused page choice said
# under the list with the odd-page option on (merge-choices-refused-en.png).
#
# Developer tool, like scripts/screenshots.sh (whose helpers it shares the
# habits of): needs xvfb, openbox, xdotool, imagemagick and qpdf, and a
# build. Look at every picture it writes.
# Usage: scripts/screenshots-merge-choices.sh [language ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${BUILD_DIR:-$root/build}/bin/sheafwright
out=$root/docs
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en de fr es)
for tool in Xvfb openbox xdotool import qpdf; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
work=$(mktemp -d)
display=:$((80 + RANDOM % 9))
pids=()
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${KEEP_LOGS:-}" ] && cp "$work"/program-*.log /tmp/ 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# make_pdf OUT TITLE PAGES: a plain text document.
make_pdf() {
    local out=$1 title=$2 pages=$3 raw=$work/raw.pdf i n kids="" body
    {
        echo "%PDF-1.4"
        echo "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj"
        for ((i = 0; i < pages; i++)); do kids+="$((4 + 2 * i)) 0 R "; done
        echo "2 0 obj << /Type /Pages /Kids [ $kids] /Count $pages >> endobj"
        echo "3 0 obj << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> endobj"
        for ((i = 0; i < pages; i++)); do
            n=$((4 + 2 * i))
            body="BT /F1 26 Tf 50 805 Td ($title, page $((i + 1))) Tj ET"
            echo "$n 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R >> >> /Contents $((n + 1)) 0 R >> endobj"
            echo "$((n + 1)) 0 obj << /Length ${#body} >> stream"
            echo "$body"
            echo "endstream endobj"
        done
        echo "trailer << /Root 1 0 R /Size $((4 + 2 * pages)) >>"
        echo "%%EOF"
    } > "$raw"
    qpdf "$raw" "$out" 2>/dev/null || [ $? -eq 3 ]
}

docs=$work/Documents
mkdir -p "$docs"
make_pdf "$docs/Fronts.pdf" "Front side" 6
make_pdf "$docs/Backs.pdf" "Back side" 6
make_pdf "$docs/Report.pdf" "Report" 12

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

window_id=""
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
click() {
    xdotool mousemove --window "$window_id" "$1" "$2" click 1
    sleep "${3:-0.8}"
}
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
type_text() { xdotool type --delay 20 "$1"; sleep 0.3; }
shot() {
    local x y w h
    read -r x y w h < <(geometry "$window_id")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# Main-window coordinates (703 x 466, no shadow margin).
name_cell=200
row_y() { echo $((106 + 31 * ($1 - 1))); }
interleave_box=(17 260)
odd_box=(17 284)
# The reverse-order box follows the interleave text, whose width the language sets.
declare -A reverse_x=([en]=396 [de]=453 [fr]=396 [es]=430)
# choose_pages ROW: the row's Pages cell opened for typing through the first
# entry ("Choose pages") of the row's context menu, wherever the translated
# headers put the column.
choose_pages() {
    xdotool mousemove --window "$window_id" "$name_cell" "$(row_y "$1")" click 3
    sleep 0.8
    keys Down Return
}

for lang in "${languages[@]}"; do
    export HOME=$work/home-$lang
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$lang" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    # Started on the three files, as a file manager would start it: they open
    # on the merge screen. (Keys typed after the file dialog of the + button
    # had closed did not reach the list under Xvfb and openbox.)
    "$program" "$docs/Report.pdf" "$docs/Fronts.pdf" "$docs/Backs.pdf" >"$work/program-$lang.log" 2>&1 &
    program_pid=$!
    # The splash screen stands for three seconds before the window.
    sleep 4
    window_id=$(xdotool search --sync --onlyvisible --name '^Sheafwright$' | head -1)
    xdotool windowactivate --sync "$window_id"
    xdotool mousemove 5 5
    sleep 2
    # Pages 1-3 and 7 of the report; the back sides turned upside down.
    choose_pages 1
    type_text "1-3, 7"
    keys Return
    click "$name_cell" "$(row_y 3)" 0.5
    keys ctrl+r ctrl+r
    click "${interleave_box[@]}" 0.5
    click "${reverse_x[$lang]}" "${interleave_box[1]}" 0.5
    xdotool mousemove 5 5
    sleep 0.5
    shot "merge-choices-$lang"
    if [ "$lang" = en ]; then
        click "${odd_box[@]}" 0.5
        choose_pages 2
        type_text "2-9"
        sleep 0.5
        shot merge-choices-refused-en
        keys Escape
    fi
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
done
