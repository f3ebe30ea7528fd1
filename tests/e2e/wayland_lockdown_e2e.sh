#!/usr/bin/env bash
# The Wayland lock-down end to end: the stand-in kiosk window on a headless sway with two
# monitors whose key bindings leave marker files, typed at with wtype's virtual keyboard; skipped
# (status 77) where no compositor can run. Then the real program reads keys through the keymap
# the compositor sends: wtype sends one of its own for each run, holding only the keys it types,
# so a program keeping a keymap of its own (or the first one it got) reads other keys.
# Usage: wayland_lockdown_e2e.sh <lock-down probe> <wigglepad binary>
set -euo pipefail

# Only the scratch directory, cleanup, waiting and probe helpers: no X server is started.
source "$(dirname "$0")/x11_session.sh"
skip() { echo "SKIPPED: $*" && exit 77; }
for tool in sway wtype setpriv; do command -v "$tool" >/dev/null || skip "no $tool here"; done

# The compositor and its clients run in a runtime directory of their own.
runtime="$work/runtime"
mkdir -p "$runtime/config/wigglepad"
chmod 700 "$runtime"
# The user may not reach the build directory: the probe and the program run from copies.
cp "$1" "$runtime/probe"
cp "$2" "$runtime/wigglepad"
printf '[General]\nwigglepad.modeChosen=true\nwigglepad.mode=lettersNumbers\n' \
    >"$runtime/config/wigglepad/wigglepad.conf"
printf 'bindsym Mod1+Tab exec touch %s/alt-tab\nbindsym Mod4+d exec touch %s/super-d\n' \
    "$runtime" "$runtime" >"$runtime/sway.conf"
make_unprivileged "$runtime"

# A command prefix: as the compositor's user, in its session (a prefix, not a function, so that
# $! of a command started in the background is the command itself).
in_session=("${as_user[@]}" env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime")
"${in_session[@]}" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$runtime/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c "ls '$runtime' | grep -qx 'wayland-[0-9]*'" ||
    skip "sway did not start here: $(tail -n 3 "$work/sway.log" | tr '\n' ' ')"
in_session+=(WAYLAND_DISPLAY="$(ls "$runtime" | grep -x 'wayland-[0-9]*' | head -n 1)"
    SWAYSOCK="$(ls "$runtime"/sway-ipc.*.sock | head -n 1)" QT_QPA_PLATFORM=wayland)

# probe_on_monitors <n>: n monitors show a window of the probe's (its own, or a cover).
probe_on_monitors() {
    [ "$("${in_session[@]}" swaymsg -t get_workspaces | grep -c '"H\[probe\]"')" -eq "$1" ]
}
# press <modifier> <key>: one chord from a fresh virtual keyboard, after a pause that lets the
# compositor take the new keyboard in (keys typed at once can be lost).
press() { "${in_session[@]}" wtype -s 300 -M "$1" -k "$2" -m "$1" -s 100; }

echo "== Locked down (490): the compositor's shortcuts go to the window"
probe=("${in_session[@]}" "$runtime/probe")
start_probe probe 490
wait_for 5 has_line probe.out grabbed || fail "the compositor never made the inhibitor active"
press alt Tab
wait_for 5 has_line probe.out "qtkey Alt+Tab" || fail "Alt+Tab did not reach the probe"
press logo d
wait_for 5 has_line probe.out "qtkey Meta+D" || fail "Super+D did not reach the probe"
sleep 0.3
for marker in alt-tab super-d; do
    [ ! -e "$runtime/$marker" ] || fail "the compositor ran its $marker binding while locked down"
done
wait_for 5 probe_on_monitors 2 || fail "the second monitor is not covered"

echo "== Options 0: the compositor's shortcuts are its own again"
echo "options 0" >&4
wait_for 5 has_line probe.out released || fail "the probe never gave up the inhibitor"
wait_for 5 probe_on_monitors 1 || fail "the second monitor stayed covered"
press alt Tab
wait_for 5 test -e "$runtime/alt-tab" || fail "Alt+Tab did not reach the compositor after release"
press logo d
wait_for 5 test -e "$runtime/super-d" || fail "Super+D did not reach the compositor after release"
[ "$(lines_of probe.out "qtkey Alt+Tab")" -eq 1 ] || fail "Alt+Tab still reached the probe"

echo "== Locked down again, then ended by SIGTERM"
echo "options 490" >&4
wait_for 5 sh -c "[ \$(grep -cx grabbed '$work/probe.out') -eq 2 ]" ||
    fail "the inhibitor was not taken again"
end_probe probe
! grep -q "cannot pass its shortcuts" "$work/probe.err" || fail "the probe said sway lacks it"

echo "== The real program types with the compositor's keymap, and follows it"
"${in_session[@]}" XDG_CONFIG_HOME="$runtime/config" QT_LOGGING_RULES=wigglepad.input.debug=true \
    "$runtime/wigglepad" 2>"$work/app.err" &
pids+=($!)
wait_for 10 sh -c "${in_session[*]} swaymsg -t get_tree | grep -q Wigglepad" ||
    fail "the program's window did not come up"
# Escape first, so that it has Escape's key code in wtype's keymap; the letters come after it.
for letter in a q m; do
    "${in_session[@]}" wtype -s 300 -k Escape "$letter"
done
wait_for 3 grep -q "(the M key)" "$work/app.err" || fail "m did not read as the M key"
spawned=$(sed -n 's/^wigglepad.input: spawned //p' "$work/app.err" | paste -sd ' ')
[ "$spawned" = '"A" "Q"' ] || fail "the letters a q m spawned '$spawned', not '\"A\" \"Q\"'"
echo "PASS"
