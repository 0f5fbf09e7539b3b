#!/usr/bin/env bash
# Screenshots of the split screen's "By bookmarks" and "By size" pages and of
# the split-complete dialog after a split by size, written to docs/, once per
# language given. The document is the English auto-multiple-choice manual
# (package auto-multiple-choice-doc-pdf, in scripts/packages.txt): a real
# manual with a five-level outline whose pages mostly weigh 80 to 110 kB.
# Developer tool like scripts/screenshots.sh: needs xvfb, openbox, xdotool,
# imagemagick and a build. Without a compositing manager (as there) the
# windows have no shadow margin: each picture is the whole window.
# Usage: scripts/screenshots-split-modes.sh [language ...]   (default: en de fr es)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${BUILD_DIR:-$root/build}/bin/sheafwright
manual=/usr/share/doc/auto-multiple-choice/auto-multiple-choice.en.pdf
out=$root/docs
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en de fr es)
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
[ -f "$manual" ] || { echo "missing $manual: install auto-multiple-choice-doc-pdf" >&2; exit 1; }
work=$(mktemp -d)
display=:$((70 + RANDOM % 9))
pids=()
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

docs=$work/Documents
mkdir -p "$docs"
cp "$manual" "$docs/AMC manual.pdf"

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

window_id=""
click() {
    xdotool mousemove --window "$window_id" "$1" "$2" click 1
    sleep "${3:-0.8}"
}
# shot_of WINDOW NAME: that window into docs/NAME.png.
shot_of() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
    echo "wrote docs/$2.png"
}
# shot NAME: the main window.
shot() { shot_of "$window_id" "$1"; }
# shot_dialog NAME: the dialog that has the focus.
shot_dialog() { shot_of "$(xdotool getactivewindow)" "$1"; }

# Waits until a window other than the main one has the focus, then a little.
wait_for_dialog() {
    for _ in $(seq 50); do
        [ "$(xdotool getactivewindow 2>/dev/null)" != "$window_id" ] && break
        sleep 0.1
    done
    sleep 1
}

# Main-window coordinates (703 x 466) of what is clicked.
mode_bookmarks=(110 311)
mode_size=(110 335)
# The size field, right of "Largest file size:", whose length differs by language.
size_edit_y=218
declare -A size_edit_x=([en]=385 [de]=454 [fr]=388 [es]=420)
split_button=(660 394)

for lang in "${languages[@]}"; do
    export HOME=$work/home-$lang
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone" "$HOME/Desktop"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$lang" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    rm -rf "$docs/AMC manual"
    # One file on the command line opens on the split screen.
    "$program" "$docs/AMC manual.pdf" >"$work/program-$lang.log" 2>&1 &
    program_pid=$!
    window_id=$(xdotool search --sync --onlyvisible --name '^Sheafwright$' | head -1)
    # The pointer away from the window, so no button shows its hover look.
    xdotool mousemove 5 5
    sleep 3

    click "${mode_bookmarks[@]}"
    xdotool mousemove 5 5
    sleep 0.3
    shot "split-bookmarks-$lang"

    # 100 KB: most pages of this manual fit two or three to a file; the
    # heaviest are larger alone.
    click "${mode_size[@]}"
    click "${size_edit_x[$lang]}" "$size_edit_y" 0.2
    xdotool key ctrl+a
    xdotool type 100
    xdotool key Tab Up
    xdotool mousemove 5 5
    sleep 0.5
    shot "split-size-$lang"
    click "${split_button[@]}" 0.2
    wait_for_dialog
    sleep 3
    shot_dialog "split-size-dialog-$lang"
    xdotool key Return
    sleep 0.5
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
done
