#!/usr/bin/env bash
# Screenshots of what the split screen says about page entries a document
# does not have, and of the output-password dialog, written to docs/, once
# per language given. Page ranges are entered for the Asymptote manual (196
# pages, package asymptote-doc); the English auto-multiple-choice manual
# (101 pages) is then opened over it with Ctrl+O, as a person would.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-entries.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"
longer=/usr/share/doc/asymptote/asymptote.pdf
[ -f "$longer" ] || { echo "missing $longer: install asymptote-doc" >&2; exit 1; }
cp "$longer" "$docs/Asymptote manual.pdf"

# Main-window coordinates (703 x 466) of what is clicked.
mode_ranges=(110 287)
# The "From" and "To" fields, whose places differ by language.
range_y=214
declare -A range_from_x=([en]=307 [de]=340 [fr]=296 [es]=345)
declare -A range_to_x=([en]=393 [de]=431 [fr]=381 [es]=455)
merge_tab=(155 42)
# The password switch's box, under the file-name field.
password_switch_y=411
declare -A password_switch_x=([en]=140 [de]=140 [fr]=190 [es]=163)

# add_range FROM [TO]: types a range into the fields and presses Enter.
add_range() {
    click "${range_from_x[$lang]}" "$range_y" 0.2
    xdotool key ctrl+a
    xdotool type "$1"
    if [ -n "${2:-}" ]; then
        click "${range_to_x[$lang]}" "$range_y" 0.2
        xdotool key ctrl+a
        xdotool type "$2"
    fi
    xdotool key Return
    sleep 0.4
}

for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/program-$lang.log" "$docs/Asymptote manual.pdf"
    click "${mode_ranges[@]}"
    add_range 20 40
    add_range 150 196
    add_range 100-120

    # Ctrl+O on the split screen: the file dialog, the path typed in.
    xdotool key ctrl+o
    wait_for_dialog
    xdotool type "$docs/AMC manual.pdf"
    xdotool key Return
    sleep 2
    xdotool mousemove 5 5
    sleep 0.5
    shot "split-entries-outside-$lang"

    # A range typed past the end of the document now open.
    add_range 95 120
    xdotool mousemove 5 5
    sleep 0.3
    shot "split-entry-refused-$lang"

    # The output password on the merge screen, the two fields different.
    click "${merge_tab[@]}"
    click "${password_switch_x[$lang]}" "$password_switch_y"
    wait_for_dialog
    xdotool type "correct horse"
    xdotool key Tab
    xdotool type "correct hrose"
    sleep 0.5
    shot_dialog "merge-password-repeat-$lang"
    xdotool key Escape
    sleep 0.5
    stop_program
done
