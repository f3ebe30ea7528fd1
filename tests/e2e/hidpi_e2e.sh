#!/usr/bin/env bash
# The real program at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 on a 1920x1080 Xvfb): the
# window covers the whole screen, the mode cards keep their logical size (twice as many device
# pixels), a click 4 logical pixels inside the exit corner still counts, and typed characters are
# drawn at the screen's own resolution rather than drawn at 1x and enlarged (the same letter
# halved and enlarged again shows that the sharpness measure tells the two apart).
# Usage: hidpi_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"
# The device pixel ratio and the screen's size in device pixels.
s=2 width=1920 height=1080

# runs <kind> <shot> <row|column> <index>: "start length" of each run of pixels of that kind
# along one row or column of a shot.
runs() {
    local geometry="${width}x1+0+$4"
    [ "$3" = row ] || geometry="1x$height+$4+0"
    convert "$work/$2.png" -crop "$geometry" -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v kind="$1" '
        function near(R, G, B) { return ($1-R)^2 + ($2-G)^2 + ($3-B)^2 <= 27 }
        { on = $1 >= 200 && $2 >= 200 && $3 >= 200 } # "light": the confirmation card, not the dim
        kind == "notMenu" { on = !near(250, 247, 242) }
        kind == "accent" { on = near(0, 122, 255) }
        on && !open { start = NR - 1; open = 1 }
        !on && open { print start, NR - 1 - start; open = 0 }
        END { if (open) print start, NR - start }'
}
longest() { sort -k2,2n | tail -n 1; }
middle_of() { awk '{ print $1 + int($2 / 2) }'; }

# sharpness <image> <geometry>: of the ink's edges crossed along rows and columns, the
# percentage that pass from the surface to ink through exactly one part-covered pixel. Text
# rasterised at the screen's resolution has mostly such edges; text rasterised at half of it and
# enlarged has none, each part-covered pixel becoming two or more.
sharpness() {
    convert "$1" -crop "$2" +repage \( +clone -fill "rgb($surface_colour)" -colorize 100 \) \
        -compose difference -composite -colorspace gray -auto-level -depth 8 -compress none pgm:- |
        tr -s '[:space:]' '\n' | awk '
        NR == 2 { w = $1 } NR == 3 { h = $1 } NR <= 4 { next }
        { v[n++] = $1 < 26 ? 0 : ($1 > 229 ? 2 : 1) } # background, part-covered, ink
        function scan(start, step, count,   i, c, partial, from) {
            from = -1
            for (i = 0; i < count; i++) {
                c = v[start + i * step]
                if (c == 1) { partial++; continue }
                if (from >= 0 && from != c && partial > 0) { edges++; if (partial == 1) crisp++ }
                from = c; partial = 0
            }
        }
        END {
            for (y = 0; y < h; y++) scan(y * w, 1, w)
            for (x = 0; x < w; x++) scan(x, w, h)
            print (edges >= 100 ? int(100 * crisp / edges) : -1)
        }'
}

# expect_logical <name> <device pixels> <logical pixels at ratio 1, as the bundled fonts set it>
expect_logical() {
    echo "   $1: $2 device pixels, expected $((s * $3)) (±4)"
    [ $((($2 - s * $3) ** 2)) -le 16 ] || fail "$1 is $2 device pixels, not $((s * $3)) (±4)"
}

start_desktop "${width}x$height"
use_scratch_settings # no settings: the mode menu shows
start_wigglepad dense env QT_SCALE_FACTOR="$s"
sleep 1.5
covers "$wid" "$width" "$height" || fail "the window does not cover the ${width}x$height screen"
xdotool mousemove $((922 * s)) $((30 * s)) click 1 sleep 0.8 # the banner's close button

echo "== The mode cards keep their logical size"
shot menu
[ -z "$(runs notMenu menu column $((width - 1)))" ] ||
    fail "the menu does not reach the screen's right edge from top to bottom"
read -r top card_height < <(runs notMenu menu column $((width * 32 / 100)) | longest)
cards=$(runs notMenu menu row $((top + card_height / 2)) | awk '$2 > 100')
[ "$(wc -l <<<"$cards")" = 2 ] || fail "not two mode cards side by side: $cards"
expect_logical card_width "$(head -n 1 <<<"$cards" | cut -d' ' -f2)" 222
expect_logical card_height "$card_height" 167

echo "== Letters & Numbers, then Start; a typed letter is drawn sharp"
xdotool mousemove "$(tail -n 1 <<<"$cards" | middle_of)" $((top + card_height / 2)) click 1
xdotool mousemove $((width / 2)) "$(runs accent menu column $((width / 2)) | longest | middle_of)" \
    click 1 sleep 1.2 mousemove $((width - 40 * s)) $((height - 40 * s))
shot before-letter
xdotool key W sleep 0.5
shot letter
# The largest area that changed, in device pixels.
read -r w h x y < <(convert "$work/before-letter.png" "$work/letter.png" -compose difference \
    -composite -colorspace gray -threshold 4% -define connected-components:verbose=true \
    -connected-components 8 null: | awk '$NF ~ /^(gray|srgb)\(255(,255,255)?\)$/ { print $4, $2 }' |
    sort -n | tail -n 1 | awk '{ split($2, g, /[x+]/); print g[1], g[2], g[3], g[4] }')
[ "$((w * h))" -gt $((2000 * s * s)) ] || fail "no letter came: ${w}x$h"
# Even offsets and sizes, as a letter drawn at 1x and enlarged would lie.
letter="$((w / s * s))x$((h / s * s))+$((x / s * s))+$((y / s * s))"
convert "$work/letter.png" -crop "$letter" +repage -filter Triangle -resize 50% -resize 200% \
    "$work/enlarged.png"
crisp=$(sharpness "$work/letter.png" "$letter")
blurred=$(sharpness "$work/enlarged.png" "$((w / s * s))x$((h / s * s))+0+0")
echo "   the letter: $crisp% crisp edges; halved and enlarged $blurred%"
[ "$crisp" -ge 50 ] || fail "only $crisp% crisp edges; drawn at 1x and enlarged?"
[ "$blurred" -ge 0 ] && [ "$blurred" -le 30 ] ||
    fail "halved and enlarged: $blurred% crisp edges; the measure is blind"

# Clicked 4 logical pixels inside the corner's lower-left: inside it only if it is 44 logical
# pixels square, not 44 device pixels.
echo "== Five clicks in the exit corner"
xdotool mousemove $(((960 - 40) * s)) $((40 * s)) click --repeat 5 --delay 80 1 sleep 1
shot confirm
# Across the middle: the card only, the surface around it dimmed.
light=$(runs light confirm row $((height / 2)) | awk '{ n += $2 } END { print n + 0 }')
[ "$light" -gt $((100 * s)) ] && [ "$light" -lt $((width / 2)) ] ||
    fail "no exit confirmation: $light light pixels across the middle"
echo "PASS"
