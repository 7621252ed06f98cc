#!/usr/bin/env bash
# Renders the round emblem of the school (Enseignement Spécialisé Vorlane) as an RGBA PNG of
# SIZE x SIZE pixels with a transparent background:
#     tools/assets/emblem.sh SIZE OUT.png
# The emblem is drawn from vector commands in a 256-unit design space scaled to SIZE, so every
# size is rendered directly, anti-aliased, never resampled from another size. The amount of
# detail follows the size: the lettering around the ring from 128 pixels up, the plain ring with
# its gold lines from 40 pixels, one gold line from 24 pixels, and below that a navy rim and the
# largest motif, so that the book and the seedling still read at 16 pixels. Needs ImageMagick 6 and the DejaVu fonts (make-assets.sh installs them).
set -euo pipefail

size=${1:?size in pixels}
out=${2:?output png}
font_bold=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf

# Where the pen stands after drawing TEXT at 200 points: its advance width.
pen_after() {
    convert xc: -font "$font_bold" -pointsize 200 -debug annotate -annotate 0 "$1" null: 2>&1 |
        sed -n 's/.*origin: \([0-9.]*\),.*/\1/p'
}

# The characters of a text with their advance widths at POINTS, one "character advance" line
# each; a space is written as "_". Measured at 200 points for precision, then scaled.
advances() {
    local text=$1 points=$2 i c width
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        if [ "$c" = " " ]; then
            width=$(($(pen_after "a a") - $(pen_after "aa")))
            c=_
        else
            width=$(pen_after "$c")
        fi
        awk -v c="$c" -v w="$width" -v p="$points" 'BEGIN { printf "%s %.3f\n", c, w * p / 200 }'
    done
}

ring_points=19
if ((size >= 128)); then
    level=full
elif ((size >= 40)); then
    level=ring
elif ((size >= 24)); then
    level=small
else
    level=tiny
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/top"
: >"$work/bottom"
if [ "$level" = full ]; then
    advances "ENSEIGNEMENT SPÉCIALISÉ" "$ring_points" >"$work/top"
    advances "VORLANE" "$ring_points" >"$work/bottom"
fi

awk -v size="$size" -v level="$level" -v font="$font_bold" -v points="$ring_points" \
    -v top="$work/top" -v bottom="$work/bottom" -f "$(dirname "$0")/emblem.awk" >"$work/emblem.mvg"

convert -size "${size}x${size}" xc:none -draw "$(cat "$work/emblem.mvg")" \
    -define png:color-type=6 -define png:bit-depth=8 "PNG32:$out"
