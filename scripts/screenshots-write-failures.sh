#!/usr/bin/env bash
# Screenshots of the messages shown when outputs cannot be written, once per
# language given, into docs/: a split one file per page and a merge, each
# run by the program under a file-size limit, so that the worker's writes
# past it fail as on a FAT32 drive and the message tells that reason. The
# document is the English auto-multiple-choice manual, whose single pages
# mostly weigh 30 to 60 kB.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-write-failures.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"
cp "$manual" "$docs/AMC manual (copy).pdf"

# start_limited LOG FILE...: the program on FILE..., every file it and its
# worker write limited to 60 kB.
start_limited() {
    local log=$1
    shift
    (ulimit -f 60 && exec "$program" "$@") >"$log" 2>&1 &
    program_pid=$!
    wait_for_window
}

# Main-window coordinates (703 x 466) of what is clicked.
mode_single=(110 215)
split_button=(660 394)
merge_button=(630 358)

for lang in "${languages[@]}"; do
    use_language "$lang"

    start_limited "$work/split-$lang.log" "$docs/AMC manual.pdf"
    click "${mode_single[@]}"
    click "${split_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "write-failed-split-$lang"
    xdotool key Return
    sleep 0.5
    stop_program

    # The manual merged with a copy of itself: larger than the limit.
    start_limited "$work/merge-$lang.log" "$docs/AMC manual.pdf" "$docs/AMC manual (copy).pdf"
    click "${merge_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "write-failed-merge-$lang"
    xdotool key Return
    sleep 0.5
    stop_program
done
