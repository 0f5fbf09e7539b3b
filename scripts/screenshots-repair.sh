#!/usr/bin/env bash
# Screenshots of the offer to repair a copy of a file that cannot be read,
# once per language given, into docs/: the split screen holding a damaged
# file (the English auto-multiple-choice manual written without its
# cross-reference table and trailer, which qpdf cannot recover and MuPDF
# can), then the same screen once the repaired copy is loaded.
# Developer tool like scripts/screenshots.sh (set-up: screenshots-amc-common.sh).
# Usage: scripts/screenshots-repair.sh [language ...]   (default: en de fr es)
source "$(dirname "$0")/screenshots-amc-common.sh" "$@"
damaged="$docs/AMC manual (damaged).pdf"
qpdf --object-streams=disable "$manual" "$work/plain.pdf"
# Cut after the last object: no cross-reference table, no trailer.
cut_at=$(grep -abo '^xref' "$work/plain.pdf" | tail -1 | cut -d: -f1)
head -c "$cut_at" "$work/plain.pdf" > "$damaged"
if qpdf --check "$damaged" >/dev/null 2>&1; then
    echo "qpdf still reads the damaged file" >&2
    exit 1
fi

# Main-window coordinates (703 x 466) of the "Repair a copy" link, where the
# page count stands for a readable file.
repair_link=(120 161)

for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/repair-$lang.log" "$damaged"
    shot "repair-offer-$lang"
    click "${repair_link[@]}" 6
    shot "repair-done-$lang"
    stop_program
done

# The merge screen: the damaged file's preview button says it cannot be read
# and offers the repair; the next message tells how it ended.
preview_damaged=(588 138)
# green_button WINDOW: "left y", the left edge and the middle of the green
# button of that dialog (its OK), found by its colour under the title bar
# (whose icon has green too), wherever the language puts it. Tab and Return
# sent to the offer did not press its repair button here.
green_button() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/dialog.png"
    convert "$work/dialog.png" txt:- | awk -F'[,:() ]+' 'NR > 1 && $2 > 40 && $4 - $3 > 40 && $4 - $5 > 80 {
        if (n == 0 || $1 < left) left = $1; sy += $2; n++ }
        END { if (n) printf "%d %d\n", left, sy / n }'
}
# click_in WINDOW X Y: a left click at that window's coordinates.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
for lang in "${languages[@]}"; do
    use_language "$lang"
    start_program "$work/repair-merge-$lang.log" "$manual" "$damaged"
    click "${preview_damaged[@]}" 0.2
    wait_for_dialog
    shot_dialog "repair-merge-offer-$lang"
    # The repair button: the one left of the green OK.
    offer=$(xdotool getactivewindow)
    read -r ok_left ok_y < <(green_button "$offer")
    click_in "$offer" $((ok_left - 25)) "$ok_y"
    sleep 4
    shot_dialog "repair-merge-done-$lang"
    done_dialog=$(xdotool getactivewindow)
    read -r ok_left ok_y < <(green_button "$done_dialog")
    click_in "$done_dialog" $((ok_left + 20)) "$ok_y"
    sleep 0.5
    shot "repair-merge-list-$lang"
    stop_program
done
