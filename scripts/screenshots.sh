#!/usr/bin/env bash
# Screenshots of Sheafwright under a virtual X server, written to docs/:
# start screen, split screen with a document, merge screen with files,
# the password dialog and the settings panel, once per language given.
# Developer tool: needs xvfb, xdotool, imagemagick and qpdf, and a build.
# Sample documents are made here; nothing outside a temporary folder is
# touched (HOME points there, so the settings file is a fresh one).
# Usage: scripts/screenshots.sh [language ...]     (default: en de)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${BUILD_DIR:-$root/build}/bin/sheafwright
out=$root/docs
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en de)
for tool in Xvfb xdotool import convert qpdf; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
server_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# make_pdf OUT TITLE PAGES: a plain text document; qpdf writes the cross-reference table.
make_pdf() {
    local out=$1 title=$2 pages=$3 raw=$work/raw.pdf i n y kids="" body
    {
        echo "%PDF-1.4"
        echo "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj"
        for ((i = 0; i < pages; i++)); do kids+="$((4 + 2 * i)) 0 R "; done
        echo "2 0 obj << /Type /Pages /Kids [ $kids] /Count $pages >> endobj"
        echo "3 0 obj << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> endobj"
        for ((i = 0; i < pages; i++)); do
            n=$((4 + 2 * i))
            body="0.59 0.2 0.22 rg 0 790 595 52 re f 1 g BT /F1 26 Tf 50 805 Td ($title) Tj ET"
            body+=" 0.4 g BT /F1 13 Tf 50 755 Td (Page $((i + 1)) of $pages) Tj ET"
            for ((y = 715; y > 110; y -= 22)); do body+=" 0.84 g 50 $y $((495 - (y * 7 + i * 31) % 140)) 9 re f"; done
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
make_pdf "$docs/Annual report.pdf" "Annual report 2026" 12
make_pdf "$docs/Budget.pdf" "Budget plan" 4
make_pdf "$docs/Minutes.pdf" "Board minutes" 3
qpdf --encrypt reader owner 256 -- "$docs/Budget.pdf" "$docs/Budget (protected).pdf"

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
server_pid=$!
export DISPLAY=$display
sleep 1

# Window geometry "x y w h" of the program's main window.
window_id=""
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$window_id")"
    echo "$X $Y $WIDTH $HEIGHT"
}
# click X Y: a left click at window coordinates.
click() {
    xdotool mousemove --window "$window_id" "$1" "$2" click 1
    sleep "${3:-0.8}"
}
# shot NAME [W H]: the window body (inside its 20-pixel shadow margin, which
# a server without compositing paints black) into docs/NAME.png; W and H
# widen the picture for a dialog that stands out over the window.
shot() {
    local x y w h
    read -r x y w h < <(window_geometry)
    local cw=${2:-$((w - 40))} ch=${3:-$((h - 40))}
    local cx=$((x + 20 - (cw - (w - 40)) / 2)) cy=$((y + 20 - (ch - (h - 40)) / 2))
    import -window root -crop "${cw}x${ch}+${cx}+${cy}" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# choose_files PATH...: fill the open-file dialog that is open now and accept it.
choose_files() {
    local text=""
    if [ $# -eq 1 ]; then text=$1; else for f in "$@"; do text+="\"$f\" "; done; fi
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 5 "$text"
    xdotool key Return
    sleep 1.5
}

# Window coordinates (including the 20-pixel margin) of what is clicked;
# where a translated text moves a control, the keyboard reaches it instead.
start_split=(258 283)
add_file=(311 142)
mode_ranges=(130 345)
range_from=(335 233)
split_button=(640 414)
settings_button=(690 459)

for lang in "${languages[@]}"; do
    export HOME=$work/home-$lang
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone" "$HOME/Desktop"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$lang" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    rm -rf "$docs/Annual report"
    "$program" >"$work/program-$lang.log" 2>&1 &
    program_pid=$!
    window_id=$(xdotool search --sync --onlyvisible --name '^Sheafwright$' | head -1)
    sleep 1
    shot "start-$lang"

    # Split screen: a document, the page-range mode and three ranges.
    click "${start_split[@]}"
    # The add button sits left of its caption, which is longer in German.
    case $lang in de) click 238 "${add_file[1]}" 0.5 ;; *) click "${add_file[@]}" 0.5 ;; esac
    choose_files "$docs/Annual report.pdf"
    click "${mode_ranges[@]}" 0.5
    for range in "1 4" "5 8" "9 12"; do
        set -- $range
        click "${range_from[@]}" 0.2
        xdotool type "$1"; xdotool key Tab; xdotool type "$2"; xdotool key Tab space
        sleep 0.3
    done
    shot "split-$lang"

    # The split-complete dialog over the window, then its third choice
    # hands the three files to the merge screen.
    click "${split_button[@]}" 4
    shot "dialog-$lang"
    # Its third button: the dialog is centred on the window; German words are longer.
    case $lang in de) click 484 307 3 ;; *) click 476 309 3 ;; esac
    shot "merge-$lang"

    click "${settings_button[@]}" 1.5
    shot "settings-$lang"
    xdotool key Escape
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
done
