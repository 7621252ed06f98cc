# Writes the emblem's drawing commands (ImageMagick MVG) for one size. Variables: size, level
# (full, ring, small or tiny), font, points, and the files top and bottom with the ring lettering's
# "character advance" lines. Design space: 256 x 256 units, centre (128, 128).

function rad(deg) { return deg * 3.14159265358979 / 180 }

# One line of capitals around the ring, centred on the angle mid (degrees clockwise from the top).
# Outward letters (top of the ring) stand on radius r with their tops away from the centre;
# inward letters (bottom of the ring) hang from radius r with their tops towards the centre.
function ring_text(file, r, mid, outward, spacing,   n, i, total, a, ang, x, y, rot, pos, line, f, ch, adv) {
    n = 0
    while ((getline line < file) > 0) {
        split(line, f, " ")
        n++; ch[n] = f[1]; adv[n] = f[2] + spacing
    }
    close(file)
    total = 0
    for (i = 1; i <= n; i++) total += adv[i]
    total -= spacing
    pos = -total / 2
    for (i = 1; i <= n; i++) {
        a = pos + adv[i] / 2
        # arc length a at radius r turns into an angle; inward text runs the other way round
        ang = outward ? mid + a / r * 180 / 3.14159265358979 : mid - a / r * 180 / 3.14159265358979
        x = 128 + r * sin(rad(ang)); y = 128 - r * cos(rad(ang))
        rot = outward ? ang : ang - 180
        if (ch[i] != "_")
            printf "push graphic-context\n translate %.3f,%.3f\n rotate %.3f\n text 0,0 '%s'\npop graphic-context\n", x, y, rot, ch[i]
        pos += adv[i]
    }
}

function disc(r, colour) { printf "fill %s\nstroke none\ncircle 128,128 128,%.3f\n", colour, 128 - r }
function circle_line(r, w, colour) {
    printf "fill none\nstroke %s\nstroke-width %.3f\ncircle 128,128 128,%.3f\n", colour, w, 128 - r
}

# A five-pointed star of outer radius r centred at (cx, cy).
function star(cx, cy, r, colour,   i, ang, rr, pts) {
    pts = ""
    for (i = 0; i < 10; i++) {
        ang = rad(i * 36); rr = (i % 2) ? r * 0.42 : r
        pts = pts sprintf(" %.3f,%.3f", cx + rr * sin(ang), cy - rr * cos(ang))
    }
    printf "fill %s\nstroke none\npolygon%s\n", colour, pts
}

# The open book with a sprouting seedling, in design units around its own centre (128, 140).
function motif(detail) {
    # book cover, showing gold under the pages
    printf "fill %s\nstroke none\n", gold
    print "path 'M 128,158 C 110,146 84,144 62,152 L 62,194 C 84,186 110,188 128,202 C 146,188 172,186 194,194 L 194,152 C 172,144 146,146 128,158 Z'"
    # pages
    printf "fill %s\n", paper
    print "path 'M 128,150 C 112,138 88,136 69,144 L 69,185 C 88,177 112,180 128,192 Z'"
    print "path 'M 128,150 C 144,138 168,136 187,144 L 187,185 C 168,177 144,180 128,192 Z'"
    if (detail) {
        printf "fill none\nstroke %s\nstroke-width 2.2\nstroke-linecap round\n", lines
        for (k = 0; k < 3; k++) {
            d = 11 * k
            printf "path 'M 120,%.1f C 108,%.1f 92,%.1f 78,%.1f'\n", 158 + d, 150 + d, 149 + d, 154 + d
            printf "path 'M 136,%.1f C 148,%.1f 164,%.1f 178,%.1f'\n", 158 + d, 150 + d, 149 + d, 154 + d
        }
    }
    printf "fill none\nstroke %s\nstroke-width %.1f\nstroke-linecap butt\n", navy, detail ? 2.5 : 5
    print "line 128,150 128,192"
    # seedling: stem and two leaves
    printf "fill none\nstroke %s\nstroke-width %.1f\nstroke-linecap round\n", leaf, detail ? 6 : 9
    print "path 'M 128,146 C 128,130 127,116 129,98'"
    printf "stroke none\nfill %s\n", leaf
    print "path 'M 127,128 C 120,104 100,92 76,92 C 82,114 100,128 127,128 Z'"
    print "path 'M 129,110 C 136,82 158,66 186,64 C 182,94 158,110 129,110 Z'"
    if (detail) {
        printf "fill none\nstroke %s\nstroke-width 2\nstroke-linecap round\n", vein
        print "path 'M 124,124 C 112,110 100,102 86,97'"
        print "path 'M 133,106 C 146,92 160,80 176,72'"
    }
}

BEGIN {
    navy = "#15335c"; blue = "#2a6cb3"; gold = "#dcb24a"; paper = "#ffffff"
    lines = "#aac0de"; leaf = "#7cc243"; vein = "#4f8f2b"; cream = "#f7f2e4"
    s = size / 256
    # ImageMagick puts pixel centres at whole coordinates: shift by half a pixel so that the
    # design square covers the image exactly and the disc stays centred
    printf "affine %.6f,0,0,%.6f,-0.5,-0.5\n", s, s
    if (level == "full") {
        disc(127.5, navy)
        circle_line(121.5, 2.4, gold)
        circle_line(91, 3, gold)
        disc(89.5, blue)
        printf "fill %s\nstroke none\nfont '%s'\nfont-size %s\ntext-anchor middle\n", cream, font, points
        ring_text(top, 99.5, 0, 1, 0.6)
        ring_text(bottom, 113, 180, 0, 5)
        star(128 + 106 * sin(rad(112)), 128 - 106 * cos(rad(112)), 7, gold)
        star(128 + 106 * sin(rad(-112)), 128 - 106 * cos(rad(-112)), 7, gold)
        motif(1)
    } else if (level == "ring") {
        disc(127.5, navy)
        circle_line(119, 5.5, gold)
        circle_line(97, 5.5, gold)
        disc(95, blue)
        print "push graphic-context\naffine 1.08,0,0,1.08,-10.24,-10.24"
        motif(0)
        print "pop graphic-context"
    } else if (level == "small") {
        disc(127.5, navy)
        circle_line(113, 10, gold)
        disc(104, blue)
        print "push graphic-context\naffine 1.2,0,0,1.2,-25.6,-30"
        motif(0)
        print "pop graphic-context"
    } else {
        # 16 pixels: a navy rim of two pixels, no gold line, the motif as large as the disc allows
        disc(127.5, navy)
        disc(98, blue)
        print "push graphic-context\naffine 1.3,0,0,1.3,-38.4,-44"
        motif(0)
        print "pop graphic-context"
    }
}
