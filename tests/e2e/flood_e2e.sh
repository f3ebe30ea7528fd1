#!/usr/bin/env bash
# A minute of abuse on the real program at 1920x1080 under openbox: about 500 key presses and
# 2,000 pointer events a second through XTEST, random keys of the whole keymap (modifiers and
# non-Latin keysyms mapped onto spare keycodes included), random buttons and the wheel. The
# program must stay alive and in charge, its resident memory must level off after the first
# seconds, its frames must keep coming, and the Escape hold must still end it with status 0.
# Usage: flood_e2e.sh <wigglepad binary> <input flood> [seconds, 60 by default]
set -euo pipefail

app=$1
seconds=${3:-60}
settle=15             # seconds of flood before memory is expected to level off
most_growth_kib=16384 # what resident memory may still gain after that
source "$(dirname "$0")/x11_session.sh"

start_desktop 1920x1080
non_latin=(Cyrillic_zhe Greek_lambda Arabic_meem hebrew_aleph kana_KA Thai_kokai Hangul_J_Kiyeog
    EuroSign)
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }' | head -n ${#non_latin[@]}))
[ ${#spare[@]} -eq ${#non_latin[@]} ] || fail "the keymap has no spare keycodes"
for i in "${!non_latin[@]}"; do xmodmap -e "keycode ${spare[$i]} = ${non_latin[$i]}"; done
use_settings_with_chosen_mode lettersNumbers
start_wigglepad wigglepad
close_banner

echo "== $seconds s of flooding"
"$2" "$seconds" 500 2000 >"$work/flood.out" 2>"$work/flood.err" &
flood_pid=$!
pids+=("$flood_pid")
samples=()
for ((t = 1; t <= seconds; t++)); do
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

echo "== Afterwards it still holds the screen, paints and ends on the Escape hold"
expect_in_charge "after the flood"
shot first
sleep 0.5
shot second
compare -metric AE "$work/first.png" "$work/second.png" null: 2>"$work/moving" || true
awk '{ exit !($1 + 0 > 0) }' "$work/moving" || fail "the surface stood still after the flood"
hold_key Escape 3.5
expect_exit_status 0 "holding Escape after the flood"
echo "PASS"
