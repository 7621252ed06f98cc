#!/usr/bin/env bash
# Regenerates the program's visual assets in resources/ from drawing commands:
#   resources/emblem.png      the school's round emblem, 256 x 256 RGBA (for documents and reuse)
#   resources/MAINICON.ico    the program icon: the emblem at 256, 48, 32 and 16 pixels, 32-bit
#                             bitmaps with alpha and AND masks, the 256 one an RGBA PNG
#   resources/background.png  the sign-in window's background picture, 640 x 427 RGB, written by
#                             the project's own PNG writer (Sub rows, 65535-byte IDAT chunks)
#   resources/FrmConnexionORLIX.desc  its Picture.Data value: the tag "TPNGObject" and that file
#   resources/menu/*.bmp      the picture box's six 16 x 16 menu glyphs (menu-glyphs.sh)
# Usage: tools/assets/make-assets.sh        (from anywhere; run it again to get the same bytes)
#
# The pieces: emblem.sh (+ emblem.awk) draws the emblem at any size; background.sh (with
# desk_objects.sh and keyboard.awk) draws the background picture as raw RGB samples; the host
# tools of this folder, built with the `native` preset, write the icon (make_icon) and the PNG
# file (make_png). The build and the tests only use the committed results, never ImageMagick;
# the tests of tests/tools/assets check the committed files.
#
# Debian packages used: imagemagick (version 6: convert), fonts-dejavu-core (DejaVu Sans and
# Serif), fonts-dejavu-extra (DejaVu Sans ExtraLight, DejaVu Sans Condensed Bold), and for the
# host tools what tools/setup.sh installs (cmake, ninja-build, g++, zlib1g-dev, googletest).
# Missing packages are installed with apt-get; nothing is fetched when all are present.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
cd "$root"

./tools/setup.sh
source tools/lib/apt.sh
orlix_apt_install imagemagick fonts-dejavu-core fonts-dejavu-extra

cmake --preset native >/dev/null
cmake --build --preset native --target make_icon make_png set_picture_data
tools=build/native/tools/assets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick writes PNG files without time stamps here, so equal pictures give equal bytes.
png_out() { echo -strip -define png:exclude-chunks=date,time; }

echo "make-assets: emblem and icon"
"$here/emblem.sh" 256 "$work/emblem256.png"
convert "$work/emblem256.png" $(png_out) PNG32:resources/emblem.png
icon_args=()
for size in 256 48 32 16; do
    "$here/emblem.sh" "$size" "$work/emblem$size.png"
    convert "$work/emblem$size.png" -depth 8 "rgba:$work/emblem$size.rgba"
    icon_args+=("${size}x$size:$work/emblem$size.rgba")
done
"$tools/make_icon" resources/MAINICON.ico "${icon_args[@]}"

echo "make-assets: picture menu glyphs"
"$here/menu-glyphs.sh" resources/menu

echo "make-assets: background picture"
"$here/background.sh" "$work/background.rgb"
"$tools/make_png" 640 427 "$work/background.rgb" resources/background.png
"$tools/set_picture_data" resources/FrmConnexionORLIX.desc cxImage1 resources/background.png

ls -l resources/emblem.png resources/MAINICON.ico resources/background.png resources/menu
