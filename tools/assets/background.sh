#!/usr/bin/env bash
# Draws the sign-in window's background picture, 640 x 427 pixels, and writes its samples as raw
# 8-bit RGB, top row first (640 x 427 x 3 bytes), for the PNG writer:
#     tools/assets/background.sh OUT.rgb
# A dark wooden desk seen from above with the things on it (desk_objects.sh), the school's emblem
# at the top right, and the sign-in card: a translucent grey panel with the title and the two entry
# bars that the program's edit fields lie over. Every random texture comes from a fixed seed, so
# the same ImageMagick gives the same bytes. Needs ImageMagick 6 and the DejaVu fonts
# (make-assets.sh installs them).
#
# The layout in picture coordinates (the window shows the picture shifted up by 6 rows; its edit
# fields, buttons and captions are placed on these areas, so they must not move):
#   card       columns 223 to 639, rows 107 to 354, running off the right edge
#   title      "Connexion ORLIX", ink from about (247, 129) to (487, 155)
#   bars       rows 191 to 228 and 242 to 279: a blue square at columns 242 to 282 with a person
#              or a key, then plain white (255, 255, 255) from column 283 to 554
#   emblem     55 pixels across, centred at (562, 43)
#   captions   rows 359 to 376 at columns 4 to 46 and 320 to 639 carry white text: kept dark
set -euo pipefail

out=${1:?output file for the raw RGB samples}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fonts=/usr/share/fonts/truetype/dejavu
width=640
height=427
blue='#2a6cb3' # the emblem's blue

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# --- The desk: walnut planks, 112 rows each, their grain running along the rows. ---
# The grain is a sine of the row number bent by a smooth random field, so its lines wander and
# close into the eye shapes of real wood; each plank gets its own phase and spacing. Thin dark
# lines come from a high power of the sine, the large-scale colour from a second smooth field,
# and the fine fibres from noise stretched along the rows.
convert -size 6x24 xc: -seed 7 +noise Random -channel G -separate +channel \
    -resize "${width}x${height}!" -blur 0x8 -auto-level bend.png
convert -size 4x6 xc: -seed 9 +noise Random -channel G -separate +channel \
    -resize "${width}x${height}!" -blur 0x20 -auto-level tone.png
convert -size "48x$height" xc: -seed 8 +noise Random -channel G -separate +channel \
    -resize "${width}x${height}!" -auto-level fibre.png
convert bend.png tone.png fibre.png -fx '
    pk = floor(j / 112);
    ang = (j + (34 + 8 * pk) * u[0] + 0.025 * i + 5.7 * pk) * 2 * pi / (11 + 2 * pk);
    grn = 1 - 0.5 * pow(0.5 + 0.5 * sin(ang), 5) - 0.15 * pow(0.5 + 0.5 * sin(2.3 * ang + 1), 3);
    (0.55 + 0.45 * u[1]) * grn * (0.8 + 0.35 * u[2]) * 0.95' grain.png
# Brown from almost black to a warm mid-brown; darker towards the edges, so the corners and the
# bottom strip under the captions stay dark.
convert -size 1x256 gradient:'#160c07-#6b4630' walnut.png
convert grain.png walnut.png -clut -evaluate multiply 0.78 \
    \( -size "${width}x$height" radial-gradient:'#ffffff-#000000' +level 40%,100% \) \
    -compose multiply -composite \
    -fill none -stroke 'rgba(0,0,0,0.5)' -strokewidth 1.4 \
    -draw 'line 0,111.5 640,111.5 line 0,223.5 640,223.5 line 0,335.5 640,335.5' \
    -stroke 'rgba(255,255,255,0.07)' -strokewidth 1 \
    -draw 'line 0,113 640,113 line 0,225 640,225 line 0,337 640,337' desk.png

# --- The objects, layer by layer, each over its own shadow. ---
cp desk.png scene.png
for layer in low:+3+4:2 mid:+6+8:5 high:+10+13:8; do
    IFS=: read -r name offset blur <<<"$layer"
    convert -size "${width}x$height" xc:none -draw "$("$here/desk_objects.sh" "$name")" "$name.png"
    convert "$name.png" -alpha extract -blur "0x$blur" -roll "$offset" -evaluate multiply 0.65 -negate \
        "$name-shadow.png"
    convert scene.png "$name-shadow.png" -compose multiply -composite \
        "$name.png" -compose over -composite scene.png
done
# A little grain, as in a photograph; the card's contents below are drawn on top, clean.
convert scene.png -seed 5 -attenuate 0.18 +noise Gaussian scene.png

# --- The emblem on the desk at the top right, with a soft shadow. ---
"$here/emblem.sh" 55 emblem.png
convert emblem.png -channel RGB -fill black -colorize 100 +channel -blur 0x3 \
    -channel A -evaluate multiply 0.6 +channel emblem-shadow.png
convert scene.png emblem-shadow.png -geometry +538+20 -compose over -composite \
    emblem.png -geometry +535+16 -compose over -composite scene.png

# --- The card: frosted grey glass over the desk, with a shadow and a fine light edge. ---
# Its right side runs 20 pixels past the picture, so only the left corners are rounded.
card='roundrectangle 223,107 659,354 10,10'
convert -size "${width}x$height" xc:none -fill black -draw "$card" -blur 0x7 -roll +0+6 \
    -channel A -evaluate multiply 0.55 +channel card-shadow.png
convert scene.png -blur 0x7 -fill '#6a6e73' -colorize 55% frosted.png
convert -size "${width}x$height" xc:black -fill white -draw "$card" card-mask.png
convert scene.png card-shadow.png -compose over -composite \
    frosted.png card-mask.png -compose over -composite \
    -fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth 1 \
    -draw 'roundrectangle 223.5,107.5 659,354.5 10,10' scene.png

# --- The title in thin light letters, tracked a little tighter to fit its 240 pixels. ---
convert -background none -fill '#f4f5f6' -font "$fonts/DejaVuSans-ExtraLight.ttf" -pointsize 32 \
    -kerning -2.2 label:'Connexion ORLIX' -trim +repage title.png
convert scene.png title.png -geometry +247+129 -compose over -composite scene.png

# --- The two entry bars. ---
# Drawing commands for one bar from row y0 to row y1: the blue square with rounded left corners,
# then the white part with rounded right corners; the white is plain so the edit field over it
# looks like part of the bar.
bar() {
    local y0=$1 y1=$2
    cat <<MVG
fill '$blue'
roundrectangle 242,$y0 290,$y1 4,4
fill '#ffffff'
rectangle 283,$y0 540,$y1
roundrectangle 530,$y0 554,$y1 5,5
MVG
}
# A person: head and shoulders, centred in the square of the bar whose middle row is yc.
person() {
    awk -v c="$1" 'BEGIN {
        printf "fill \047#ffffff\047\ncircle 262,%.1f 262,%.1f\n", c - 5, c - 10.5
        printf "path \047M 251.5,%.1f C 251.5,%.1f 272.5,%.1f 272.5,%.1f Z\047\n", c + 11, c + 1.5, c + 1.5, c + 11
    }'
}
# A key, ring at the lower left and bit at the upper right.
key() {
    cat <<MVG
push graphic-context
translate 262.5,$1
rotate -45
fill none
stroke '#ffffff'
stroke-width 3
circle -6.5,0 -6.5,6
stroke none
fill '#ffffff'
rectangle -1,-1.5 12.5,1.5
rectangle 6,1 8.5,5.5
rectangle 10,1 12.5,4.5
pop graphic-context
MVG
}
convert -size "${width}x$height" xc:none -fill black \
    -draw 'roundrectangle 242,191 554,228 5,5 roundrectangle 242,242 554,279 5,5' \
    -blur 0x3 -roll +0+2 -channel A -evaluate multiply 0.4 +channel bar-shadow.png
convert scene.png bar-shadow.png -compose over -composite \
    -draw "$(bar 191 228; person 209.5; bar 242 279; key 260.5)" \
    -alpha off -depth 8 "rgb:$out"
