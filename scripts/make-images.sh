#!/usr/bin/env bash
# Draws every picture of the style sheet from its SVG source.
# Reads resources/style/src/images.txt (name, source, width, height, recolour
# pairs "old>new") and writes resources/style/images/<name>.png and, at twice
# the size for scaled screens, <name>@2x.png, with rsvg-convert (package
# librsvg2-bin). Without names it also draws the application icon in the
# sizes of the freedesktop icon theme into resources/desktop/icons/hicolor.
# The PNGs are committed; run this after changing a source or the list, then
# look at the result.
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
# Pictures that the style sheet cuts into a border-image at fixed offsets get
# no twin: the toolkit applies the offsets to the twin's own pixels, so only
# the outer half of the border would show.
border_images=" shadow_main "
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
    rm -f "$out/$name@2x.png"
    [[ $border_images == *" $name "* ]] ||
        printf '%s' "$svg" | rsvg-convert -w $((width * 2)) -h $((height * 2)) -f png -o "$out/$name@2x.png"
    count=$((count + 1))
done < "$src/images.txt"
echo "drew $count pictures (and their @2x twins) into ${out#$root/}"

# The application icon for menus and file managers: the small drawing up to
# 24 pixels, the full one above.
if [ ${#only[@]} -eq 0 ]; then
    icons=$root/resources/desktop/icons/hicolor
    for size in 16 24 32 48 64 128 256 512; do
        source=app.svg
        [ "$size" -le 24 ] && source=app16.svg
        mkdir -p "$icons/${size}x${size}/apps"
        rsvg-convert -w "$size" -h "$size" -f png -o "$icons/${size}x${size}/apps/org.sheafwright.Sheafwright.png" "$src/icons/$source"
    done
    echo "drew the application icon into ${icons#$root/}"
fi
