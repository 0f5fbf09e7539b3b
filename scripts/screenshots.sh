#!/usr/bin/env bash
# Screenshots of Sheafwright for docs/, taken from the built program under a
# virtual X server with a window manager (openbox) and no compositing manager,
# as on many Linux desktops: the windows draw without their shadow margin
# there. The program is driven with xdotool as a person would drive it, and
# each picture is the program's own window (or a dialog over it, or the page
# viewer) cut from the screen with ImageMagick.
#
# Per language (default: en de fr es): start screen, split screen with page
# ranges, the split-complete dialog, the merge screen holding the split's
# results, the settings panel. In English also: the splash screen, the loaded
# document, the page viewer, the merge list with a protected and a damaged
# file, the password dialog, the merge-complete dialog with and without
# left-out files, a damaged file on the split screen, a live change of the
# language, and the question asked when the window is closed during a split.
#
# Developer tool: needs xvfb, openbox, xdotool, imagemagick and qpdf, and a
# build. Sample documents are made here; nothing outside a temporary folder is
# touched (HOME points there, so each language starts from a fresh profile,
# without a desktop folder). Look at every picture it writes.
# Usage: scripts/screenshots.sh [language ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${BUILD_DIR:-$root/build}/bin/sheafwright
out=$root/docs
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en de fr es)
for tool in Xvfb openbox xdotool import convert qpdf; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
pids=()
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
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
make_pdf "$docs/Manual part.pdf" "Long manual" 50
pages=()
for ((i = 0; i < 600; i++)); do pages+=("$docs/Manual part.pdf"); done
qpdf --empty --pages "${pages[@]}" -- "$docs/Long manual.pdf"
qpdf --encrypt reader owner 256 -- "$docs/Budget.pdf" "$docs/Budget (protected).pdf"
# A scan cut short in the middle of its download: damaged beyond repair.
head -c $(($(stat -c %s "$docs/Minutes.pdf") / 2)) "$docs/Minutes.pdf" > "$docs/Broken scan.pdf"

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

window_id=""
# geometry WINDOW: "x y w h" of a window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
# click X Y [PAUSE]: a left click at main-window coordinates.
click() {
    xdotool mousemove --window "$window_id" "$1" "$2" click 1
    sleep "${3:-0.8}"
}
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
# click_dialog X Y [PAUSE]: a click in the dialog that has the focus now;
# negative X and Y count from its right and bottom edges.
click_dialog() {
    local id x y w h px=$1 py=$2
    id=$(xdotool getactivewindow)
    read -r x y w h < <(geometry "$id")
    [ "$px" -lt 0 ] && px=$((w + px))
    [ "$py" -lt 0 ] && py=$((h + py))
    xdotool mousemove --window "$id" "$px" "$py" click 1
    sleep "${3:-0.8}"
}
type_text() { xdotool type --delay 20 "$1"; sleep 0.3; }
# shot NAME [W H]: the main window into docs/NAME.png; W and H widen the
# picture around the window's centre, for a dialog that stands out over it.
shot() {
    local x y w h
    read -r x y w h < <(geometry "$window_id")
    local cw=${2:-$w} ch=${3:-$h}
    local cx=$((x - (cw - w) / 2)) cy=$((y - (ch - h) / 2))
    import -window root -crop "${cw}x${ch}+${cx}+${cy}" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# shot_window NAME PATTERN: the newest visible window whose title matches.
shot_window() {
    local id x y w h
    id=$(xdotool search --onlyvisible --name "$2" | tail -1)
    read -r x y w h < <(geometry "$id")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# find_colour X Y W H COLOUR: "x y", the centre of the pixels of COLOUR
# (#RRGGBB) inside that rectangle of the main window, in main-window
# coordinates; nothing when none has it. Finds a control wherever the
# layout, the language or the list's scrolling put it.
find_colour() {
    local x y w h
    read -r x y w h < <(geometry "$window_id")
    import -window root -crop "${3}x${4}+$((x + $1))+$((y + $2))" +repage "$work/find.png"
    convert "$work/find.png" txt:- | grep -i "$5" | tr -c '0-9\n' ' ' |
        awk -v ox="$1" -v oy="$2" '{ sx += $1; sy += $2; n++ }
            END { if (n) printf "%d %d\n", ox + sx / n, oy + sy / n }'
}
# find_link: link_x and link_y, the centre of the blue "Enter password" link
# in the merge list, once it has stayed put for half a second (the rows fill
# in as the files are read).
find_link() {
    local link="" previous=""
    for _ in $(seq 20); do
        link=$(find_colour 10 92 640 150 "#046AD0")
        [ -n "$link" ] && [ "$link" = "$previous" ] && break
        previous=$link
        sleep 0.5
    done
    [ -n "$link" ] || { echo "no Enter password link in the merge list" >&2; exit 1; }
    read -r link_x link_y <<<"$link"
}
# choose_files PATH...: fill the open-file dialog that is open now and accept it.
choose_files() {
    local text=""
    if [ $# -eq 1 ]; then text=$1; else for f in "$@"; do text+="\"$(basename "$f")\" "; done; fi
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 5 "$text"
    xdotool key Return
    sleep 2
}

# Main-window coordinates (703 x 466, no shadow margin) of what is clicked.
# Where a translated text moves a control the keyboard reaches it instead.
start_split=(238 263)
split_tab=(65 41)
mode_single=(110 215)
mode_ranges=(110 287)
split_button=(660 394)
preview_button=(520 160)
delete_button=(640 160)
merge_button=(611 369)
table_add=(674 111)
settings_button=(682 439)
declare -A add_file=([en]=292 [de]=221 [fr]=219 [es]=240)
row_height=31

start_program() {
    "$program" >"$work/program-$1.log" 2>&1 &
    program_pid=$!
    if [ "$1" = en ]; then
        # The splash screen, for three seconds before the window.
        sleep 1.2
        local sx=$(((1280 - 480) / 2)) sy=$(((800 - 300) / 2))
        import -window root -crop "480x300+$sx+$sy" +repage "$out/screen-splash.png"
        echo "wrote docs/screen-splash.png"
    fi
    window_id=$(xdotool search --sync --onlyvisible --name '^Sheafwright$' | head -1)
    # The pointer away from the window, so no button shows its hover look.
    xdotool mousemove 5 5
    sleep 1.5
}

stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

for lang in "${languages[@]}"; do
    export HOME=$work/home-$lang
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$lang" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    rm -rf "$docs/Annual report"
    start_program "$lang"
    shot "start-$lang"
    [ "$lang" = en ] && cp "$out/start-en.png" "$out/screen-start.png"

    # Split screen: a document, the page-range mode and three ranges.
    click "${start_split[@]}"
    click "${add_file[$lang]}" 122 0.5
    choose_files "$docs/Annual report.pdf"
    if [ "$lang" = en ]; then
        shot screen-split-loaded
        # The page viewer, scrolled to the end of the first page.
        click "${preview_button[@]}" 2
        viewer=$(xdotool search --onlyvisible --name ' - Sheafwright$' | tail -1)
        xdotool mousemove --window "$viewer" 350 300 click 5 click 5 click 5 click 5 click 5 click 5 click 5
        sleep 1
        shot_window screen-viewer ' - Sheafwright$'
        xdotool windowactivate --sync "$viewer" key alt+F4
        sleep 0.8
    fi
    click "${mode_ranges[@]}" 0.5
    keys Tab
    for range in "1 4" "5 8" "9 12"; do
        set -- $range
        type_text "$1"; keys Tab; type_text "$2"; keys Tab space
    done
    shot "split-$lang"
    [ "$lang" = en ] && cp "$out/split-en.png" "$out/screen-split-ranges.png"

    # The split-complete dialog over the window; its third choice hands the
    # three files to the merge screen.
    click "${split_button[@]}" 4
    shot "dialog-$lang"
    [ "$lang" = en ] && cp "$out/dialog-en.png" "$out/screen-split-complete.png"
    # The rightmost button, whatever the language makes of its text.
    click_dialog -50 -33 2
    shot "merge-$lang"
    [ "$lang" = en ] && cp "$out/merge-en.png" "$out/screen-merge-after-split.png"

    if [ "$lang" = en ]; then
        # MERGE: everything merged.
        click "${merge_button[@]}" 4
        shot screen-merge-complete
        keys Return
        sleep 1
        # Three more with +: a protected file, a plain one and a damaged one.
        click "${table_add[@]}" 1
        choose_files "$docs/Budget (protected).pdf" "$docs/Minutes.pdf" "$docs/Broken scan.pdf"
        sleep 1
        # The list is shorter than six rows: the protected row is the one
        # with the blue "Enter password" link, the plain file the row under
        # it. Choosing that row, partly hidden, scrolls the list.
        find_link
        click 200 $((link_y + row_height)) 0.5
        find_link
        shot screen-merge-list
        # The protected row's Password cell asks for its password.
        click "$link_x" "$link_y" 1.5
        shot screen-merge-password
        keys Escape
        # MERGE again: the protected file is skipped at the prompt; the
        # dialog names it and the damaged file.
        click "${merge_button[@]}" 2
        keys Tab Tab space
        sleep 4
        shot screen-merge-left-out
        keys Return
        sleep 1
    fi

    click "${settings_button[@]}" 1.5
    shot "settings-$lang"
    [ "$lang" = en ] && cp "$out/settings-en.png" "$out/screen-settings.png"
    keys Escape
    sleep 1

    if [ "$lang" = en ]; then
        # A damaged file on the split screen.
        click "${split_tab[@]}" 1
        click "${delete_button[@]}" 1
        click "${add_file[en]}" 122 0.5
        choose_files "$docs/Broken scan.pdf"
        shot screen-split-damaged
        # Closing the window during a long split asks first; stopping it
        # says what was kept, then the window closes.
        click "${delete_button[@]}" 1
        click "${add_file[en]}" 122 0.5
        choose_files "$docs/Long manual.pdf"
        click "${mode_single[@]}" 0.5
        click "${split_button[@]}" 0.7
        xdotool windowactivate --sync "$window_id" key alt+F4
        sleep 1.2
        shot screen-close-question
        # "STOP AND CLOSE", left of the centre.
        read -r _ _ qw _ < <(geometry "$(xdotool getactivewindow)")
        click_dialog $((qw / 2 - 70)) -40 2
        shot screen-split-canceled
        keys Return
        sleep 1
        wait "$program_pid" 2>/dev/null || true
        program_pid=""

        # A live change of the language: German, chosen and saved in the
        # settings, over the split screen.
        start_program en-again
        click "${start_split[@]}"
        click "${settings_button[@]}" 1.5
        click 400 116 0.8
        keys Home Return
        click 212 433 2
        shot screen-language-german
    fi
    stop_program
done
