#!/usr/bin/env bash
# Draws every picture of the style sheet from its SVG source.
# Reads resources/style/src/images.txt (name, source, width, height, recolour
# pairs "old>new") and writes resources/style/images/<name>.png with
# rsvg-convert (package librsvg2-bin). The PNGs are committed; run this after
# changing a source or the list, then look at the result.
# Usage: scripts/make-images.sh [name ...]   (no names: all pictures)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/resources/style/src
out=$root/resources/style/images
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (apt-get install librsvg2-bin)" >&2; exit 1; }
mkdir -p "$out"

wanted() { # name -> true when no names were given or it is one of them
    [ ${#only[@]} -eq 0 ] && return 0
    local n; for n in "${only[@]}"; do [ "$n" = "$1" ] && return 0; done; return 1
}
only=("$@")
count=0
while read -r name source width height pairs; do
    case "$name" in ''|'#'*) continue ;; esac
    wanted "$name" || continue
    [ -f "$src/icons/$source" ] || { echo "missing source icons/$source for $name" >&2; exit 1; }
    svg=$(cat "$src/icons/$source")
    for pair in $pairs; do
        old=${pair%%>*}; new=${pair#*>}
        [ "$old" != "$pair" ] || { echo "bad pair '$pair' for $name" >&2; exit 1; }
        svg=${svg//"$old"/"$new"}
    done
    printf '%s' "$svg" | rsvg-convert -w "$width" -h "$height" -f png -o "$out/$name.png"
    count=$((count + 1))
done < "$src/images.txt"
echo "drew $count pictures into ${out#$root/}"
