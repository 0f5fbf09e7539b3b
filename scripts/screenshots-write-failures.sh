#!/usr/bin/env bash
# Screenshots of the messages shown when outputs cannot be written, once per
# language given, into docs/: a split one file per page and a merge, each
# run by the program under a file-size limit, so that the worker's writes
# past it fail as on a FAT32 drive and the message tells that reason. The
# document is the English auto-multiple-choice manual (package
# auto-multiple-choice-doc-pdf, in scripts/packages.txt), whose single pages
# mostly weigh 30 to 60 kB.
# Developer tool like scripts/screenshots.sh: needs xvfb, openbox, xdotool,
# imagemagick and a build. Without a compositing manager (as there) the
# windows have no shadow margin: each picture is the whole dialog.
# Usage: scripts/screenshots-write-failures.sh [language ...]   (default: en de fr es)
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
display=:$((60 + RANDOM % 9))
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
cp "$manual" "$docs/AMC manual (copy).pdf"

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
# shot_dialog NAME: the dialog that has the focus, into docs/NAME.png.
shot_dialog() {
    eval "$(xdotool getwindowgeometry --shell "$(xdotool getactivewindow)")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# Waits until a window other than the main one has the focus, then a little.
wait_for_dialog() {
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" != "$window_id" ] && break
        sleep 0.1
    done
    sleep 1
}
# start_limited LOG FILE...: the program on FILE..., every file it and its
# worker write limited to 60 kB.
start_limited() {
    local log=$1
    shift
    (ulimit -f 60 && exec "$program" "$@") >"$log" 2>&1 &
    program_pid=$!
    window_id=$(xdotool search --sync --onlyvisible --name '^Sheafwright$' | head -1)
    # The pointer away from the window, so no button shows its hover look.
    xdotool mousemove 5 5
    sleep 3
}
stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

# Main-window coordinates (703 x 466) of what is clicked.
mode_single=(110 215)
split_button=(660 394)
merge_button=(630 358)

for lang in "${languages[@]}"; do
    export HOME=$work/home-$lang
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone" "$HOME/Desktop"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$lang" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    rm -rf "$docs/AMC manual"

    # One file on the command line opens on the split screen.
    start_limited "$work/split-$lang.log" "$docs/AMC manual.pdf"
    click "${mode_single[@]}"
    click "${split_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "write-failed-split-$lang"
    xdotool key Return
    sleep 0.5
    stop_program

    # Two open on the merge screen; the merged file is larger than the limit.
    start_limited "$work/merge-$lang.log" "$docs/AMC manual.pdf" "$docs/AMC manual (copy).pdf"
    click "${merge_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "write-failed-merge-$lang"
    xdotool key Return
    sleep 0.5
    stop_program
done
