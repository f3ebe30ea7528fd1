#!/usr/bin/env bash
# The lock-down and the real program on one X desktop at 1920x1080 under openbox, driven with
# xdotool and XTEST: a stand-in kiosk window locked down on one monitor and on two; the real
# program under French and German layouts, escaped from by a child, flooded for a minute, at a
# device pixel ratio of 2, and heard through a private sound server's null sink.
# Usage: x11_desktop_e2e.sh <wigglepad> <lock-down probe> <cursor probe> <input flood>
#     <sound probe> [seconds of flood]
set -euo pipefail

app=$1
probe=("$2")
cursor_probe=$3 sound_probe=$5
flood_seconds=${6:-60}
settle=15             # seconds of flood before memory is expected to level off
most_growth_kib=16384 # what resident memory may still gain after that
source "$(dirname "$0")/x11_session.sh"
export HOME="$work" QT_LOGGING_RULES="wigglepad.input.debug=true"
server_dir="$work/pulse"
export PULSE_SERVER="unix:$server_dir/native"
mkdir -p "$server_dir"
make_unprivileged "$server_dir"
"${as_user[@]}" env HOME="$server_dir" XDG_RUNTIME_DIR="$server_dir" \
    XDG_CONFIG_HOME="$server_dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no -L "module-null-sink sink_name=play" \
    -L "module-native-protocol-unix socket=$server_dir/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
pulse_pid=$!
pids+=("$pulse_pid")
wait_for 10 pactl info || fail "the sound server did not start"

# start_window_probe <name> [arguments...]: the probe, and its window's id in wid.
start_window_probe() {
    start_probe "$@"
    wid=$(xdotool search --name '^wigglepad lock-down probe$' | head -n 1)
    [ -n "$wid" ] || fail "$1: no window of the probe's"
}
pointer_x() { xdotool getmouselocation --shell | sed -n 's/^X=//p'; }
on_left() { [ "$(pointer_x)" -lt 960 ]; }
pointer_held() { xdotool mousemove 1500 540 && on_left; }
# cannot_start <name> <what its one line says> <env arguments...>
cannot_start() {
    local status=0
    env "${@:3}" "$app" >"$work/$1.out" 2>"$work/$1.err" || status=$?
    [ "$status" -eq 1 ] || fail "$1: ended with status $status, not 1"
    [ "$(wc -l <"$work/$1.err")" -eq 1 ] && grep -qF "$2" "$work/$1.err" ||
        fail "$1: not one line on stderr saying '$2'"
    [ ! -s "$work/$1.out" ] || fail "$1: wrote to stdout"
}
# Pixels of a shot inside a box that are not the bare surface, within a small colour tolerance.
painted() {
    convert "$work/$1.png" -crop "$2" +repage -fuzz 3% -fill black -opaque "rgb($surface_colour)" \
        -fill white +opaque black -format '%[fx:int(mean*w*h+.5)]' info:
}
# painted_by <what> <at least> <box> <command...>: 0.3 s after the command the box holds at least
# that many more painted pixels than before it, beyond twice what 0.3 s alone changes there.
painted_by() {
    shot quiet
    sleep 0.3
    shot before
    "${@:4}"
    sleep 0.3
    shot after
    local quiet=$(($(painted before "$3") - $(painted quiet "$3")))
    local added=$(($(painted after "$3") - $(painted before "$3")))
    echo "   $1: $added more pixels painted, ${quiet#-} without it"
    [ "$added" -ge $(($2 + 2 * ${quiet#-})) ] || fail "$1 added only $added pixels in $3"
}
# glide <x0> <y> <x1> [button]: the pointer moves across in small steps, a drag with a button.
glide() {
    xdotool mousemove "$1" "$2" ${4:+mousedown $4}
    for ((x = $1; x <= $3; x += 20)); do xdotool mousemove "$x" "$2" sleep 0.01; done
    [ -z "${4:-}" ] || xdotool mouseup "$4"
}
# expect_spawn <what> <key...>: the keys spawned exactly that, in order.
expect_spawn() {
    local before got
    before=$(wc -l <"$work/play.err")
    xdotool key "${@:2}" sleep 0.3
    got=$(tail -n +$((before + 1)) "$work/play.err" | sed -n 's/^wigglepad.input: spawned //p' |
        paste -sd ' ')
    [ "$got" = "$1" ] || fail "keys ${*:2}: spawned '$got', not '$1'"
}
is_m_key() { grep -q "key down scan $1 .*(the M key)" "$work/play.err"; }
# attempt <what> <command...>: afterwards the program is in charge on the first desktop.
attempt() {
    echo "   $1"
    "${@:2}"
    sleep 0.4
    expect_in_charge "$1"
    xprop -root _NET_CURRENT_DESKTOP | grep -q '= 0$' || fail "$1 switched the desktop"
    xprop -root _NET_SHOWING_DESKTOP | grep -q '= 0$' || fail "$1 showed the desktop"
}
with_keys() { xdotool keydown "$1" && "${@:2}" && xdotool keyup "$1"; }

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

echo "== Without a display the program says so in one line, status 1"
cannot_start nodisplay "neither DISPLAY nor WAYLAND_DISPLAY is set" \
    -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
cannot_start deaddisplay "cannot open the display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    DISPLAY=:4077

start_x_server 1920x1080
echo "== Without a window manager the stand-in still covers the screen"
start_window_probe bare 490
covers "$wid" 1920 1080 || fail "bare: does not cover the screen: $(xwininfo -id "$wid")"
end_probe bare

start_window_manager
echo "== Locked down (490): the keyboard grabbed; a held key repeats as presses, goes up once"
start_window_probe locked 490
wait_for 5 has_line locked.out grabbed || fail "locked: the keyboard grab never held"
hold_key Escape 0.8
wait_for 5 has_line locked.out "up 53" || fail "locked: Escape never went up"
[ "$(lines_of locked.out "up 53") $(lines_of locked.out "key 53 1b")" = "1 1" ] ||
    fail "locked: auto-repeat made Escape go up or down more than once"
has_line locked.out "key 53 1b repeat" || fail "locked: Escape never repeated"
end_probe locked
! grep -q "cannot grab" "$work/locked.err" || fail "locked: a grab failure was reported"

echo "== Swipe allowed (458): Alt+Tab reaches the window manager"
start_window_probe swipe 458
xdotool key --clearmodifiers alt+Tab key x
wait_for 5 has_line swipe.out "key 7 78" || fail "swipe: the probe never got the x after Alt+Tab"
! has_line swipe.out "key 48 09" || fail "swipe: Alt+Tab reached the probe, the keyboard is grabbed"
end_probe swipe

echo "== Grabs turned off (-nograb): said once, play goes on"
start_window_probe nograb 490 -nograb
wait_for 5 grep -q "cannot grab the keyboard" "$work/nograb.err" || fail "nograb: never said"
# Activating the window again retries the grab; the failure is still said only once.
xdotool windowactivate --sync "$wid" || true
sleep 0.5
end_probe nograb
[ "$(grep -c "cannot grab the keyboard" "$work/nograb.err")" -eq 1 ] ||
    fail "nograb: the failed grab was not said exactly once"

echo "== The real program, French set before its start, a second window open"
[ "$("$cursor_probe")" = visible ] || fail "the probe does not see the server's own pointer"
setxkbmap fr
# Something for Alt+Tab to switch to, were it to reach the window manager.
xmessage -name intruder "intruder" >"$work/xmessage.out" 2>&1 &
pids+=($!)
wait_for 5 xdotool search --classname '^intruder$' || fail "xmessage did not come up"
use_settings_with_chosen_mode lettersNumbers
start_wigglepad play
expect_in_charge "the start"
close_banner

echo "== Motion leaves a trail and hides the system pointer; a drag leaves a ribbon"
glide 300 950 900
wait_for 1 eval '! is_pixel 600 950 $surface_colour' || fail "no trail behind the pointer"
[ "$("$cursor_probe")" = hidden ] || fail "the system pointer shows while the child plays"
glide 300 800 900 1
xdotool mousemove 1500 700 # where the click goes next, in time for its trail to fade
sleep 2.5                  # the trails fade, the ribbon outlives them
is_pixel 600 950 "$surface_colour" || fail "the trail did not fade: $(pixel 600 950)"
! is_pixel 600 800 "$surface_colour" || fail "no ribbon through the middle of the drag"

echo "== A click drops a figure where it lands; letter keys draw characters in the upper half"
painted_by "the click" 400 240x240+1380+580 xdotool click 1
painted_by "four letters" 12000 1920x600+0+0 xdotool key w a x k

echo "== French keys spawn by their characters"
expect_spawn '"A" "Q" "Z"' 24 38 25
expect_spawn '1 figure "3"' 12 shift+12
expect_spawn '1 figure' 79
expect_spawn '"7"' Num_Lock 79
expect_spawn '1 figure' 58
expect_spawn '' 47
is_m_key 47 || fail "the key typing m on AZERTY is not the M key"
xdotool key Num_Lock

echo "== Key combinations stay with the program"
for combo in alt+Tab super super+d alt+Escape ctrl+alt+Right ctrl+alt+Left alt+F4 ctrl+q \
    ctrl+w super+Tab alt+F2; do
    attempt "$combo" xdotool key --clearmodifiers "$combo"
done

echo "== The window manager's modifier clicks stay with the program"
attempt "Alt+wheel" with_keys alt xdotool click 4 click 5 click 5
attempt "Ctrl+Alt+wheel" with_keys ctrl+alt xdotool click 5
attempt "Alt+Shift+wheel" with_keys alt+shift xdotool click 5
attempt "Alt+middle click" with_keys alt xdotool click 2
attempt "Alt+right drag" with_keys alt xdotool mousedown 3 mousemove 1200 900 mouseup 3
attempt "Alt+left drag" with_keys alt xdotool mousedown 1 mousemove 900 700 mousemove 700 500 \
    mouseup 1

echo "== Requests from outside are refused or undone"
attempt "a close request" wmctrl -c Wigglepad
attempt "a close request by id" wmctrl -i -c "$wid"
attempt "a minimise request" xdotool windowminimize "$wid"
attempt "a request to leave full screen" wmctrl -i -r "$wid" -b remove,fullscreen
attempt "activating the other window" \
    xdotool windowactivate "$(xdotool search --classname '^intruder$' | head -n 1)"

echo "== German, set while it runs"
setxkbmap de
expect_spawn '"Z" "Y" 1 figure "3"' 29 52 shift+12 12
expect_spawn '"7"' Num_Lock 79
hold_key 58 5.5
is_m_key 58 || fail "the key typing m on QWERTZ is not the M key"
grep -qx 'wigglepad.modeChosen=false' "$settings_file" ||
    fail "holding M for 5 s did not bring back the mode menu: $(cat "$settings_file")"

echo "== Start, then $flood_seconds s of flooding with the whole keymap, non-Latin keysyms mapped"
xdotool mousemove 880 723 click 1 # the menu's Start button
non_latin=(Cyrillic_zhe Greek_lambda Arabic_meem hebrew_aleph kana_KA Thai_kokai Hangul_J_Kiyeog
    EuroSign)
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }' | head -n ${#non_latin[@]}))
[ ${#spare[@]} -eq ${#non_latin[@]} ] || fail "the keymap has no spare keycodes"
for i in "${!non_latin[@]}"; do xmodmap -e "keycode ${spare[$i]} = ${non_latin[$i]}"; done
"$4" "$flood_seconds" 500 2000 >"$work/flood.out" 2>"$work/flood.err" &
flood_pid=$!
pids+=("$flood_pid")
samples=()
for ((t = 1; t <= flood_seconds; t++)); do
    sleep 1
    running || fail "the program ended after $t s of flooding"
    samples+=("$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")")
done
wait "$flood_pid" || fail "the flood failed"
echo "   $(cat "$work/flood.out")"
settled=${samples[$((settle - 1))]}
highest=$(printf '%s\n' "${samples[@]:$settle}" | sort -n | tail -n 1)
echo "   resident memory: ${samples[0]} KiB after 1 s, $settled KiB after $settle s," \
    "at most $highest KiB after that"
[ $((highest - settled)) -le "$most_growth_kib" ] || fail "resident memory kept growing"
expect_in_charge "after the flood"
shot first
sleep 0.5
shot second
compare -metric AE "$work/first.png" "$work/second.png" null: 2>"$work/moving" || true
awk '{ exit !($1 + 0 > 0) }' "$work/moving" || fail "the surface stood still after the flood"
hold_key Escape 3.5
expect_exit_status 0 "holding Escape after the flood"
[ "$("$cursor_probe")" = visible ] || fail "the system pointer is still hidden after the run"

echo "== At a device pixel ratio of 2, no settings: the mode menu covers the screen"
rm "$settings_file"
start_wigglepad dense env QT_SCALE_FACTOR="$s"
sleep 1.5
covers "$wid" "$width" "$height" || fail "the window does not cover the ${width}x$height screen"
xdotool mousemove $((922 * s)) $((30 * s)) click 1 sleep 0.8 # the banner's close button

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

# play_with <name> <sound true|false> [mode]: a fresh run with those settings, the banner gone;
# no mode makes the menu show.
play_with() {
    [ -z "${app_pid:-}" ] || { kill "$app_pid" && wait "$app_pid" 2>/dev/null || true; }
    use_settings_with_chosen_mode "${3:-sensory}"
    [ -n "${3:-}" ] || sed -i '/mode/d' "$settings_file"
    echo "wigglepad.sound=$2" >>"$settings_file"
    start_wigglepad "$1"
    [ -z "${3:-}" ] || close_banner
}
listen() { "$sound_probe" "$PULSE_SERVER" play.monitor "$@"; }

# Every press must be heard, half of them within 100 ms: on a loaded machine one may come late.
echo "== Sound on: key presses heard within 100 ms, and a popped bubble heard"
play_with sounding true sensory
listen keys 10 | tee "$work/keys.out" || fail "a press was not heard within a second"
awk '/^median/ { if ($2 + 0 > 100) exit 1 }' "$work/keys.out" || fail "presses were heard late"
listen pop 30 || fail "no bubble was heard popping"
! grep -q sound "$work/sounding.err" || fail "a sound trouble said"

echo "== Sound off, and over the menu: silence"
play_with off false sensory
listen silent 2 || fail "sound although it is off"
play_with menu true
sleep 0.5
listen silent 2 || fail "sound over the menu"

echo "== The sound server going away, and none at all: play goes on, said once"
kill "$pulse_pid"
wait_for 5 eval '! pactl info' || fail "the sound server did not stop"
wait_for 5 grep -q 'went away' "$work/menu.err" || fail "the server's going was not said"
running || fail "the program ended with the sound server"
play_with serverless true sensory
xdotool key a b c d e f sleep 0.5
expect_in_charge "with no sound server"
[ "$(grep -c 'no sound server' "$work/serverless.err")" -eq 1 ] || fail "not said once"
stop_wigglepad

echo "== Two monitors: the pointer stays on the stand-in, the other monitor is covered"
xrandr --setmonitor '*left' 960/254x1080/286+0+0 screen >/dev/null
xrandr --setmonitor right 960/254x1080/286+960+0 none
start_window_probe monitors 490
wait_for 5 covers "$wid" 960 1080 || fail "monitors: not on the left one"
expect_pixel 1440 540 "$surface_colour" 5 "monitors: the right monitor is not covered"
pointer_held || fail "monitors: the pointer left the window for x=$(pointer_x)"
echo "options 458" >&4
wait_for 5 has_line monitors.out released || fail "monitors: the grab was not released at 458"
! is_pixel 1440 540 "$surface_colour" || fail "monitors: still covered with switching on"
! pointer_held || fail "monitors: the pointer is still held at 458"
echo "options 490" >&4
expect_pixel 1440 540 "$surface_colour" 5 "monitors: not covered again at 490"
wait_for 5 on_left || fail "monitors: the grab did not bring the pointer back onto the window"

echo "== A stalled main loop ends the stand-in within the watchdog's 10 s"
ulimit -c 0 # no core file from the abort
echo "stall 60" >&4
status=0
wait_for 13 eval '! kill -0 $probe_pid' || fail "stall: still running after 13 s"
wait "$probe_pid" || status=$?
[ "$status" -eq 134 ] || fail "stall: ended with status $status, not by the abort"
grep -q "stopped responding" "$work/monitors.err" || fail "stall: nothing said on stderr"
! pointer_held || fail "stall: the pointer is still held"
echo "PASS"
