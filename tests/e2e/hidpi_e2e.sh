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

# A mode card at ratio 1 on a 960x540 screen, in pixels; text in the bundled fonts sets them.
declare -A logical=([card_width]=222 [card_height]=167)
declare -A measured

# line_pixels <shot> <row|column> <index> <length>: one "r g b" line per pixel of a row or column.
line_pixels() {
    local geometry="$4x1+0+$3"
    [ "$2" = row ] || geometry="1x$4+$3+0"
    convert "$work/$1.png" -crop "$geometry" -depth 8 rgb:- | od -An -v -tu1 -w3
}

# runs <kind>: "start length" of each run of pixels of that kind along the line read.
runs() {
    awk -v kind="$1" '
        function near(r, g, b, R, G, B) { return (r-R)^2 + (g-G)^2 + (b-B)^2 <= 27 }
        function matches(r, g, b) {
            if (kind == "notMenu") return !near(r, g, b, 250, 247, 242)
            if (kind == "accent") return near(r, g, b, 0, 122, 255)
            return r >= 200 && g >= 200 && b >= 200 # "light": the confirmation card, not the dim
        }
        { inRun = matches($1, $2, $3) }
        inRun && !open { start = NR - 1; open = 1 }
        !inRun && open { print start, NR - 1 - start; open = 0 }
        END { if (open) print start, NR - start }'
}
longest() { sort -k2,2n | tail -n 1; }

# sharpness <shot> <geometry> <background>: of the ink's edges crossed along rows and columns, the
# percentage that pass from background to ink through exactly one part-covered pixel. Text
# rasterised at the screen's resolution has mostly such edges; text rasterised at half of it and
# enlarged has none, each part-covered pixel becoming two or more.
sharpness() {
    convert "$work/$1.png" -crop "$2" +repage \( +clone -fill "$3" -colorize 100 \) \
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

# measure_sharpness <name> <shot> <x> <y> <w> <h> <background>: a region given in logical
# pixels must be crisp, and the same region halved and enlarged again, as text drawn at 1x and
# enlarged would be, must not.
measure_sharpness() {
    local name=$1 image=$2 geometry="$(($5 * s))x$(($6 * s))+$(($3 * s))+$(($4 * s))" crisp blurred
    convert "$work/$image.png" -crop "$geometry" +repage -filter Triangle -resize 50% \
        -resize 200% "$work/$name-enlarged.png"
    crisp=$(sharpness "$image" "$geometry" "$7")
    blurred=$(sharpness "$name-enlarged" "$(($5 * s))x$(($6 * s))+0+0" "$7")
    echo "   $name: $crisp% crisp edges; halved and enlarged $blurred%"
    [ "$crisp" -ge 50 ] || fail "$name: only $crisp% crisp edges; drawn at 1x and enlarged?"
    [ "$blurred" -ge 0 ] && [ "$blurred" -le 30 ] ||
        fail "$name halved and enlarged: $blurred% crisp edges; the measure is blind"
}

# The largest area that changed between two shots, as "x y w h" in device pixels.
changed_area() {
    convert "$work/$1.png" "$work/$2.png" -compose difference -composite -colorspace gray \
        -threshold 4% -define connected-components:verbose=true -connected-components 8 \
        null: | awk '$NF == "gray(255)" || $NF == "srgb(255,255,255)" { print $4, $2 }' |
        sort -n | tail -n 1 | awk '{ split($2, g, /[x+]/); print g[3], g[4], g[1], g[2] }'
}

# The device pixel ratio and the screen's size in device pixels.
s=2 width=1920 height=1080

start_dense() {
    start_x_server "${width}x$height"
    start_window_manager
    use_scratch_settings # no settings: the mode menu shows
    start_wigglepad dense env QT_SCALE_FACTOR="$s"
    sleep 1.5
    local geometry
    geometry=$(xwininfo -id "$wid")
    grep -q "Width: $width\$" <<<"$geometry" && grep -q "Height: $height\$" <<<"$geometry" ||
        fail "the window does not cover the ${width}x$height screen: $geometry"
}

# Sets `cards` to the two cards' "left width" in device pixels and `middle` to their middle row.
measure_cards() {
    echo "== The mode cards"
    shot "menu"
    [ -z "$(line_pixels "menu" column $((width - 1)) "$height" | runs notMenu)" ] ||
        fail "the menu does not reach the screen's right edge from top to bottom"
    local top left
    read -r top "measured[card_height]" < <(line_pixels "menu" column $((width * 32 / 100)) \
        "$height" | runs notMenu | longest)
    middle=$((top + measured[card_height] / 2))
    cards=$(line_pixels "menu" row "$middle" "$width" | runs notMenu | awk '$2 > 100')
    [ "$(wc -l <<<"$cards")" = 2 ] || fail "not two mode cards side by side: $cards"
    read -r left "measured[card_width]" <<<"$cards"
}

start_letters_and_numbers() {
    echo "== Letters & Numbers, then Start"
    local right_card start_button
    right_card=$(tail -n 1 <<<"$cards" | awk '{ print $1 + int($2 / 2) }')
    xdotool mousemove "$right_card" "$middle" click 1
    start_button=$(line_pixels "menu" column $((width / 2)) "$height" | runs accent | longest |
        awk '{ print $1 + int($2 / 2) }')
    xdotool mousemove $((width / 2)) "$start_button" click 1
    sleep 1.2
}

measure_letter() {
    echo "== A typed letter on the play surface"
    xdotool mousemove $((width - 40 * s)) $((height - 40 * s))
    shot "before-letter"
    xdotool key W
    sleep 0.5
    shot letter
    local x y w h
    read -r x y w h < <(changed_area "before-letter" letter)
    [ "$((w * h))" -gt $((2000 * s * s)) ] || fail "no letter came: ${w}x$h"
    measure_sharpness letter letter $((x / s)) $((y / s)) $((w / s)) $((h / s)) \
        "rgb($surface_colour)"
}

# Clicked 4 logical pixels inside the corner's lower-left: inside it only if it is 44 logical
# pixels square, not 44 device pixels.
open_confirmation() {
    echo "== Five clicks in the exit corner"
    xdotool mousemove $(((960 - 40) * s)) $((40 * s)) click --repeat 5 --delay 80 1
    sleep 1
    shot confirm
    local light # across the middle: the card only, the surface around it dimmed
    light=$(line_pixels confirm row $((height / 2)) "$width" | runs light | awk '{ n += $2 }
        END { print n + 0 }')
    [ "$light" -gt $((100 * s)) ] && [ "$light" -lt $((width / 2)) ] ||
        fail "no exit confirmation: $light light pixels across the middle"
}

start_dense
xdotool mousemove $((922 * s)) $((30 * s)) click 1 # the banner's close button
sleep 0.8
measure_cards
start_letters_and_numbers
measure_letter
open_confirmation

echo "== Sizes: twice the logical pixels"
for name in card_width card_height; do
    echo "   $name: ${measured[$name]} device pixels, expected $((2 * logical[$name]))"
    [ "$((measured[$name] - 2 * logical[$name]))" -ge -4 ] &&
        [ "$((measured[$name] - 2 * logical[$name]))" -le 4 ] ||
        fail "$name is ${measured[$name]:-0} device pixels, not $((2 * logical[$name])) (±4)"
done

echo "PASS"
