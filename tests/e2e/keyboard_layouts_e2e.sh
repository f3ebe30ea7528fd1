#!/usr/bin/env bash
# The characters keys spawn on the real program, read from its input log while xdotool presses
# keys by key code at 1280x720 under openbox: a French layout set before the start (the key
# where US has Q spawns A, the digit row needs Shift, keypad digits only with NumLock on, M is
# held by the key that types m), then a German one set while it runs (Y and Z swapped, and
# holding its M key for 5 s brings back the mode menu). Usage: keyboard_layouts_e2e.sh <wigglepad>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

# expect_spawn <what> <key...>: the keys spawned exactly that, in order.
expect_spawn() {
    local before got
    before=$(wc -l <"$work/layouts.err")
    xdotool key "${@:2}" sleep 0.3
    got=$(tail -n +$((before + 1)) "$work/layouts.err" | sed -n 's/^wigglepad.input: spawned //p' |
        paste -sd ' ')
    [ "$got" = "$1" ] || fail "keys ${*:2}: spawned '$got', not '$1'"
}
is_m_key() { grep -q "key down scan $1 .*(the M key)" "$work/layouts.err"; }

start_desktop 1280x720
export HOME="$work" QT_LOGGING_RULES="wigglepad.input.debug=true"
use_settings_with_chosen_mode lettersNumbers

echo "== French, set before the start"
setxkbmap fr
start_wigglepad layouts
expect_spawn '"A" "Q" "Z"' 24 38 25
expect_spawn '1 figure "3"' 12 shift+12
expect_spawn '1 figure' 79
expect_spawn '"7"' Num_Lock 79
expect_spawn '1 figure' 58
expect_spawn '' 47
is_m_key 47 || fail "the key typing m on AZERTY is not the M key"
xdotool key Num_Lock

echo "== German, set while it runs"
setxkbmap de
expect_spawn '"Z" "Y" 1 figure "3"' 29 52 shift+12 12
expect_spawn '"7"' Num_Lock 79
hold_key 58 5.5
is_m_key 58 || fail "the key typing m on QWERTZ is not the M key"
grep -qx 'wigglepad.modeChosen=false' "$settings_file" ||
    fail "holding M for 5 s did not bring back the mode menu: $(cat "$settings_file")"
expect_in_charge "after the layout changes"
echo "PASS"
