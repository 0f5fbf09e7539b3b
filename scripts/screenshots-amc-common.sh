# Shared set-up of the screenshot scripts that drive the program on the
# English auto-multiple-choice manual (package auto-multiple-choice-doc-pdf,
# in scripts/packages.txt): sourced with the script's arguments (languages,
# default en de fr es). Starts Xvfb with openbox and no compositing manager
# (the windows then have no shadow margin: each picture is the whole window),
# copies the manual to "$docs/AMC manual.pdf" and gives the helpers below.
# Needs xvfb, openbox, xdotool, imagemagick and a build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
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
display=:$((60 + RANDOM % 19))
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
# click X Y [PAUSE]: a left click at main-window coordinates.
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
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" != "$window_id" ] && break
        sleep 0.1
    done
    sleep 1
}

# use_language LANG: a fresh profile in that language, with a desktop folder.
use_language() {
    export HOME=$work/home-$1
    export XDG_CONFIG_HOME=$HOME/.config
    mkdir -p "$XDG_CONFIG_HOME/Pinecone" "$HOME/Desktop"
    printf '[General]\nLanguage=%s\nlast_select_folder=%s\n' "$1" "$docs" > "$XDG_CONFIG_HOME/Pinecone/Pinecone Sheafwright.ini"
    rm -rf "$docs/AMC manual"
}

# start_program LOG FILE...: the program on FILE... (one file opens on the
# split screen, several on the merge screen), once its window shows.
start_program() {
    local log=$1
    shift
    "$program" "$@" >"$log" 2>&1 &
    program_pid=$!
    wait_for_window
}
wait_for_window() {
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
