#!/usr/bin/env bash
# Screenshots of the split screen's "By bookmarks" and "By size" pages and of
# the split-complete dialog after a split by size, written to docs/, once per
# language given. The document is the English auto-multiple-choice manual: a
# real manual with a five-level outline whose pages mostly weigh 80 to 110 kB.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-split-modes.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"

# Main-window coordinates (703 x 466) of what is clicked.
mode_bookmarks=(110 311)
mode_size=(110 335)
# The size field, right of "Largest file size:", whose length differs by language.
size_edit_y=218
declare -A size_edit_x=([en]=385 [de]=454 [fr]=388 [es]=420)
split_button=(660 394)

for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/program-$lang.log" "$docs/AMC manual.pdf"

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
    sleep 2
    shot_dialog "split-size-dialog-$lang"
    xdotool key Return
    sleep 0.5
    stop_program
done
