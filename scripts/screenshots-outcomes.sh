#!/usr/bin/env bash
# Screenshots of the completion dialogs when something happened that the
# user would not expect, once per language given, into docs/: a split of a
# protected copy of the English auto-multiple-choice manual (an owner
# password, so it opens without one) run twice, so that the second run's
# files get a number in front of names already taken; and a merge of the
# manual, a copy and a damaged file into a name that is taken.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-outcomes.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"
qpdf --encrypt "" owner-only 256 -- "$manual" "$docs/AMC protected.pdf"
cp "$manual" "$docs/AMC copy.pdf"
head -c 20000 "$manual" > "$docs/AMC cut short.pdf"

# Main-window coordinates (703 x 466) of what is clicked.
mode_single=(110 215)
split_button=(660 394)
merge_button=(611 369)
name_field=(300 369)

for lang in "${languages[@]}"; do
    use_language "$lang"
    rm -rf "$docs/AMC protected"

    # One file per page, twice: the second time every name is taken.
    start_program "$work/split-$lang.log" "$docs/AMC protected.pdf"
    click "${mode_single[@]}"
    click "${split_button[@]}" 0.2
    wait_for_dialog
    xdotool key Return
    sleep 1
    click "${split_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "outcome-split-renamed-$lang"
    xdotool key Return
    sleep 0.5
    stop_program

    # The merged file's name is taken; the damaged file is left out.
    touch "$HOME/Desktop/Year report.pdf"
    start_program "$work/merge-$lang.log" "$docs/AMC manual.pdf" "$docs/AMC copy.pdf" "$docs/AMC cut short.pdf"
    click "${name_field[@]}" 0.2
    xdotool key ctrl+a
    xdotool type --delay 20 "Year report"
    click "${merge_button[@]}" 0.2
    wait_for_dialog
    shot_dialog "outcome-merge-renamed-$lang"
    xdotool key Return
    sleep 0.5
    stop_program
done
