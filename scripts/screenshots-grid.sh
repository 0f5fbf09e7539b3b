#!/usr/bin/env bash
# Screenshots of the page grid ("Choose pages…" on the split screen), written
# to docs/, once per language given: by page ranges with two cuts and two
# named parts, the range list the grid wrote back, pages marked to be left
# out, and the groups a split by groups of pages writes. The document is the
# English auto-multiple-choice manual (101 pages, page labels i to v, then
# 1, 2, ...). The grid is driven with the keyboard, as a person may: arrows,
# Space, F2 to name a part, Enter and Escape.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-grid.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"

# Main-window coordinates (703 x 466) of what is clicked.
mode_groups=(110 238)
mode_remove=(110 262)
mode_ranges=(110 286)
# "Choose pages…", left of Preview and Delete, whose widths differ by language.
choose_y=161
declare -A choose_x=([en]=406 [de]=370 [fr]=400 [es]=380)

# keys KEY COUNT: KEY pressed COUNT times.
keys() {
    for _ in $(seq "$2"); do xdotool key "$1"; done
}
# The grid window: its client area, without the window manager's frame.
shot_grid() {
    xdotool mousemove 1275 795
    sleep 2
    import -window "$(xdotool getactivewindow)" "$out/$1.png"
    echo "wrote docs/$1.png"
}
open_grid() {
    click "${choose_x[$lang]}" "$choose_y" 0.2
    wait_for_dialog
}

for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/program-$lang.log" "$docs/AMC manual.pdf"

    # Cuts after page 9 (the front matter) and page 14, both parts named.
    click "${mode_ranges[@]}"
    open_grid
    keys Right 8
    xdotool key space
    keys Right 5
    xdotool key space F2
    sleep 0.3
    xdotool type "Getting started"
    xdotool key Return Home F2
    sleep 0.3
    xdotool type "Front matter"
    xdotool key Return ctrl+minus
    shot_grid "grid-ranges-$lang"
    xdotool key Return
    sleep 0.8
    xdotool mousemove 5 5
    sleep 0.3
    shot "grid-ranges-list-$lang"

    # Page 3, then Shift up to page 6, then page 9: left out.
    click "${mode_remove[@]}"
    open_grid
    keys Right 2
    xdotool key space
    keys Right 3
    xdotool key shift+space
    keys Right 3
    xdotool key space
    shot_grid "grid-marks-$lang"
    xdotool key Escape
    sleep 0.5

    # Groups of three from page 1 (the screen's defaults), shown as they fall.
    click "${mode_groups[@]}"
    open_grid
    xdotool key ctrl+minus
    shot_grid "grid-groups-$lang"
    xdotool key Escape
    sleep 0.5
    stop_program
done
