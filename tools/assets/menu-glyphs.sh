#!/usr/bin/env bash
# Draws the six 16 x 16 glyphs of the picture box's context menu as 24-bit bitmaps:
#     tools/assets/menu-glyphs.sh OUT_DIR
# writes cut.bmp, copy.bmp, paste.bmp, delete.bmp, load.bmp and save.bmp. The menu takes the
# colour of each glyph's bottom-left pixel as transparent, so every glyph keeps its magenta
# background in that corner. Pixel-exact drawing (no anti-aliasing), so the glyphs stay crisp at
# 16 pixels. Needs ImageMagick 6 (make-assets.sh installs it).
set -euo pipefail

out=${1:?output folder}
mkdir -p "$out"

glyph() {
    local name=$1
    shift
    convert -size 16x16 xc:'#FF00FF' +antialias -strokewidth 1 "$@" -type TrueColor BMP3:"$out/$name.bmp"
}

# Scissors: two blades crossing above two open handles.
glyph cut \
    -stroke '#404040' -draw 'line 5,1 9,9' -draw 'line 10,1 6,9' \
    -stroke '#C00000' -fill none -draw 'circle 5,12 5,14' -draw 'circle 11,12 11,14'

# Two sheets, the front one lower right.
glyph copy \
    -stroke '#404040' -fill white -draw 'rectangle 1,1 9,11' -draw 'rectangle 6,4 14,14' \
    -stroke '#8080C0' -draw 'line 8,7 12,7' -draw 'line 8,9 12,9' -draw 'line 8,11 12,11'

# A clipboard with its clip and a sheet on it.
glyph paste \
    -stroke '#604020' -fill '#B08040' -draw 'rectangle 2,2 12,14' \
    -stroke '#404040' -fill '#C0C0C0' -draw 'rectangle 5,1 9,3' \
    -stroke '#404040' -fill white -draw 'rectangle 6,6 14,14' \
    -stroke '#8080C0' -draw 'line 8,9 12,9' -draw 'line 8,11 12,11'

# A red cross.
glyph delete \
    -stroke '#C00000' -draw 'line 3,3 12,12' -draw 'line 4,3 13,12' -draw 'line 12,3 3,12' -draw 'line 13,3 4,12'

# An open folder.
glyph load \
    -stroke '#806000' -fill '#E0B030' -draw 'rectangle 1,3 6,5' -draw 'rectangle 1,5 12,14' \
    -fill '#F8D860' -draw 'polygon 3,8 15,8 12,14 1,14'

# A diskette with its label and shutter.
glyph save \
    -stroke '#202060' -fill '#3050B0' -draw 'rectangle 1,1 14,14' \
    -stroke '#808080' -fill white -draw 'rectangle 4,2 11,7' \
    -stroke '#404040' -fill '#A0A0A0' -draw 'rectangle 5,10 10,14' \
    -stroke '#3050B0' -draw 'point 8,12'
