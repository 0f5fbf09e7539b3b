#!/usr/bin/env bash
# Screenshots of the window and keyboard work, written to docs/ once per
# language given: the keyboard focus on the start screen, the merge list with
# the tooltip of an icon-only button, the question before the list is
# cleared, the page viewer after Ctrl+G and a page number, and the window
# made larger by the window manager. The merge list holds twelve copies of the
# English auto-multiple-choice manual, handed to the running window by a
# second start of the program, as a file manager would.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-window.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"

# Main-window coordinates (703 x 466) of what is clicked.
bin_button=(674 230)
row1_preview=(573 107)

chapters=()
for i in 01 02 03 04 05 06 07 08 09 10 11 12; do
    cp "$docs/AMC manual.pdf" "$docs/Chapter $i.pdf"
    chapters+=("$docs/Chapter $i.pdf")
done

for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/program-$lang.log"

    # The keyboard's way in: Tab until the first start button has the focus.
    xdotool key Tab Tab
    sleep 0.5
    shot "focus-start-$lang"

    # A second start hands its files to this window and ends.
    "$program" "${chapters[@]}" >>"$work/program-$lang.log" 2>&1
    sleep 4
    xdotool mousemove --window "$window_id" "${bin_button[@]}"
    sleep 2.5
    # Wider than the window: the tooltip reaches past its right edge.
    eval "$(xdotool getwindowgeometry --shell "$window_id")"
    import -window root -crop "$((WIDTH + 260))x${HEIGHT}+${X}+${Y}" +repage "$out/merge-tooltips-$lang.png"
    echo "wrote docs/merge-tooltips-$lang.png"

    click "${bin_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "merge-clear-question-$lang"
    xdotool key Escape
    sleep 0.5

    # The page viewer of the first row, sent to a page by its number.
    click "${row1_preview[@]}" 2
    viewer=$(xdotool search --sync --onlyvisible --name ' - Sheafwright$' 2>/dev/null | tail -1)
    xdotool key ctrl+g
    xdotool type 42
    xdotool key Return
    xdotool mousemove 5 5
    sleep 1.5
    shot_of "$viewer" "viewer-page-field-$lang"
    xdotool key Escape
    sleep 0.5

    # Larger, as the window manager makes it: the list shows more rows.
    xdotool windowactivate "$window_id"
    xdotool windowsize "$window_id" 1000 700
    xdotool mousemove 5 5
    sleep 1.5
    shot "window-enlarged-$lang"
    stop_program
done
