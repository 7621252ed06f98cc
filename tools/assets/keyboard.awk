# Keys of a French (AZERTY) keyboard, seen from above: one rounded key per entry with its label.
# Variable: pitch (pixels per key unit); the caller sets the font. Draws in the keyboard's own
# coordinates, the bottom row's bottom edge at y = 0 and the left edge at x = 0; rows go upwards.
BEGIN {
    rows[1] = "1.25:Ctrl 1.25: 1.25:Alt 6.25: 1.25:AltGr 1.25: 1.25: 1.25:Ctrl"
    rows[2] = "1.25:⇧ 1:< 1:W 1:X 1:C 1:V 1:B 1:N 1:? 1:. 1:/ 1:§ 2.75:⇧"
    rows[3] = "1.75:Verr 1:Q 1:S 1:D 1:F 1:G 1:H 1:J 1:K 1:L 1:M 1:% 1:µ 1.25:"
    rows[4] = "1.5:⇥ 1:A 1:Z 1:E 1:R 1:T 1:Y 1:U 1:I 1:O 1:P 1:¨ 1:£ 1.5:↵"
    rows[5] = "1:² 1:1 1:2 1:3 1:4 1:5 1:6 1:7 1:8 1:9 1:0 1:° 1:+ 2:⌫"
    gap = 3
    for (r = 1; r <= 5; r++) {
        n = split(rows[r], keys, " ")
        x = 0
        y1 = -(r - 1) * pitch - gap / 2; y0 = y1 - pitch + gap
        for (k = 1; k <= n; k++) {
            split(keys[k], f, ":")
            w = f[1] * pitch
            x0 = x + gap / 2; x1 = x + w - gap / 2
            # key side (a slightly darker rim below the key top), then the top
            printf "fill '#cfcfcc'\nroundrectangle %.1f,%.1f %.1f,%.1f 3,3\n", x0, y0, x1, y1
            printf "fill '#f7f7f5'\nroundrectangle %.1f,%.1f %.1f,%.1f 3,3\n", x0 + 1, y0, x1 - 1, y1 - 2.5
            if (f[2] != "")
                printf "fill '#8c8c8a'\ntext %.1f,%.1f '%s'\n", x0 + 3.5, y0 + 9, f[2]
            x += w
        }
    }
}
