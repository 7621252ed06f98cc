#!/usr/bin/env bash
# Prints the drawing commands (ImageMagick MVG) of one layer of the objects on the desk, in
# picture coordinates (640 x 427, the light from the top left):
#     desk_objects.sh low|mid|high
# background.sh draws the layers in that order, each over the shadow it casts; higher layers cast
# longer, softer shadows. low: the pen. mid: the keyboard, the books, the mouse. high: the plant,
# the pot of pencils, the cup.
set -euo pipefail
layer=$1
here=$(dirname "$0")
sans=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf

# A pointed leaf from the stem at (x, y) along the direction angle (degrees, clockwise from the
# x axis), len long and 2 x width wide: a light and a dark half on either side of the midrib.
leaf() {
    local x=$1 y=$2 angle=$3 len=$4 width=$5 light=$6 dark=$7
    cat <<MVG
push graphic-context
translate $x,$y
rotate $angle
fill '$light'
path 'M 0,0 C $((len * 3 / 10)),-$width $((len * 7 / 10)),-$width $len,0 C $((len * 7 / 10)),$width $((len * 3 / 10)),$width 0,0 Z'
fill '$dark'
path 'M 0,0 C $((len * 3 / 10)),$width $((len * 7 / 10)),$width $len,0 Z'
fill none
stroke '#a8d08a'
stroke-opacity 0.55
stroke-width 1.2
path 'M 2,0 C $((len * 4 / 10)),-1 $((len * 7 / 10)),-1 $((len - 4)),0'
pop graphic-context
MVG
}

# A pencil leaning out of the pot: its painted shaft runs from where it enters the pot towards
# the tip, seen foreshortened from above, then the sharpened wooden cone and the lead.
pencil() {
    local cx=$1 cy=$2 angle=$3 reach=$4 colour=$5
    cat <<MVG
push graphic-context
translate $cx,$cy
rotate $angle
fill '$colour'
polygon 4,-3.2 $((reach - 9)),-3.2 $((reach - 9)),3.2 4,3.2
fill '#000000'
fill-opacity 0.25
polygon 4,0.6 $((reach - 9)),0.6 $((reach - 9)),3.2 4,3.2
fill-opacity 1
fill '#e3c08e'
polygon $((reach - 9)),-3.2 $reach,-0.8 $reach,0.8 $((reach - 9)),3.2
fill '#3a3a3a'
polygon $((reach - 2)),-1.2 $((reach + 1)),0 $((reach - 2)),1.2
pop graphic-context
MVG
}

case $layer in
low)
    # a black fountain pen with a steel nib and clip, lying on the left
    cat <<MVG
push graphic-context
translate 80,322
rotate -13
fill '#161618'
roundrectangle -58,-4.5 44,4.5 4,4
fill '#2b2b2f'
roundrectangle -58,-4.5 -14,4.5 4,4
fill '#c9ccd1'
rectangle -15,-4.5 -12,4.5
polygon 44,-3.6 58,-1 60,0 58,1 44,3.6
fill '#8e9298'
polygon 44,0.3 59,0.3 58,1 44,3.6
fill '#d6d9de'
roundrectangle -52,-6.5 -24,-4.5 1,1
fill none
stroke '#ffffff'
stroke-opacity 0.22
stroke-width 1.2
line -55,-2.3 42,-2.3
pop graphic-context
MVG
    ;;
mid)
    # the keyboard along the top edge
    cat <<MVG
push graphic-context
translate 168,66
rotate -1.2
fill '#e4e4e1'
roundrectangle -8,-124 333,4 9,9
fill '#ededea'
roundrectangle -6,-124 331,1.5 8,8
font '$sans'
font-size 6.5
MVG
    awk -v pitch=21.6 -f "$here/keyboard.awk"
    echo "pop graphic-context"
    # three books stacked on the left: green, navy, then maroon on top
    cat <<MVG
push graphic-context
translate 96,214
rotate -9
fill '#243d31'
roundrectangle -82,-60 82,60 3,3
fill '#ece3cf'
rectangle 79,-57 81.5,57
rectangle -70,57 79,59.5
fill '#1a2e24'
rectangle -82,-60 -70,60
pop graphic-context
push graphic-context
translate 100,208
rotate -2
fill '#223656'
roundrectangle -74,-53 74,53 3,3
fill '#efe6d2'
rectangle 71,-50 73.5,50
rectangle -63,50 71,52.5
fill '#17263f'
rectangle -74,-53 -63,53
fill '#c8a24a'
rectangle -40,-20 44,-17
rectangle -40,17 44,20
pop graphic-context
push graphic-context
translate 108,206
rotate 6
fill '#6d2330'
roundrectangle -62,-45 62,45 3,3
fill '#511823'
rectangle -62,-45 -52,45
stroke '#c9a14d'
stroke-width 1
fill none
rectangle -42,-32 50,32
stroke none
fill '#e2c27a'
font '$serif'
font-size 10.5
text-anchor middle
text 4,-4 'Pédagogie'
font-size 8
text 4,9 'spécialisée'
pop graphic-context
MVG
    # a white wireless mouse at the bottom left
    cat <<MVG
push graphic-context
translate 152,388
rotate -14
fill '#d9d9d6'
ellipse 0,2 28,45 0,360
fill '#f6f6f4'
ellipse 0,0 27,44 0,360
stroke '#c4c4c1'
stroke-width 1.2
line 0,-44 0,-12
fill '#8f8f8d'
stroke none
roundrectangle -2.8,-33 2.8,-19 2.5,2.5
pop graphic-context
MVG
    ;;
high)
    # potted plant in the top left corner: terracotta pot, soil, leaves
    cat <<MVG
push graphic-context
fill '#9c5a38'
circle 30,26 30,-22
fill '#b86d46'
circle 30,26 30,-18
fill '#3b2a1e'
circle 30,26 30,-13
pop graphic-context
MVG
    while read -r a l w c1 c2; do
        leaf 30 26 "$a" "$l" "$w" "$c1" "$c2"
    done <<'LEAVES'
-20 92 17 #3f8a34 #2f6c27
118 86 17 #3d8332 #2c6324
12 124 23 #4b9b3c #367a2d
55 128 24 #54a343 #3b8131
86 112 21 #468f37 #326f29
32 108 21 #5cad48 #42893a
100 78 16 #62b14d #488f3b
70 74 16 #6bb955 #4f9742
42 64 14 #77c05e #58a049
LEAVES
    # a metal pot of pencils beside the books
    cat <<MVG
push graphic-context
fill '#3d4045'
circle 186,300 186,272
fill '#6a6e75'
circle 186,300 186,273.5
fill '#1d1e21'
circle 186,300 186,276
pop graphic-context
MVG
    while read -r a r c; do
        pencil 186 300 "$a" "$r" "$c"
    done <<'PENCILS'
-150 38 #c8372d
-95 34 #f0b72f
-40 40 #2f68b5
20 33 #3f9a4a
75 36 #e87d2a
135 31 #6b3f99
-15 26 #2a2a2a
PENCILS
    # the rim of a dark cup of coffee at the bottom left, its handle towards the mouse
    cat <<MVG
push graphic-context
translate 66,380
rotate -44
fill '#1e1e21'
roundrectangle -16,-6.5 16,6.5 6,6
fill '#3a3a3e'
roundrectangle -4,-2 11,2 2,2
pop graphic-context
push graphic-context
fill '#242427'
circle 14,430 14,366
fill '#4a4a50'
circle 14,430 14,367.5
fill '#2e2e33'
circle 14,430 14,369
fill '#1a1a1c'
circle 14,430 14,373
fill '#2a1810'
circle 14,430 14,376
fill '#3d2416'
circle 14,430 14,380
fill '#2c1a10'
circle 14,430 14,384
pop graphic-context
MVG
    ;;
esac
