#!/usr/bin/env bash
# Holding off the session's end, end to end: the stand-in kiosk window (offscreen) against fake
# desktop services on a private session bus. The inhibition is taken when the lock-down starts,
# given back at options 0 and on SIGTERM, dropped by the bus when the process is killed; the
# session manager stands in for a portal that is missing or refuses; with nobody to ask, or no
# bus at all, play goes on and that is said once.
# Usage (inside dbus-run-session): session_end_e2e.sh <lock-down probe> <fake session services>
set -euo pipefail

# Every option but the keyboard lock, which the offscreen platform cannot give.
probe=("$1" 458 --hold-off-session-end)
services=$2
# Only the scratch directory, cleanup, waiting and probe helpers: no X server is started.
source "$(dirname "$0")/x11_session.sh"
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "run this inside dbus-run-session"
export QT_QPA_PLATFORM=offscreen
asked="portal inhibit 3 A child is playing in Wigglepad."
manager="session-manager inhibit 3 wigglepad"

# start_guarded <name> [arguments of the services...]: fresh fakes once they are on the bus,
# then the probe, locked down and holding off the session's end; $name.s.out tells what they saw.
start_guarded() {
    [ -z "${services_pid:-}" ] || { kill "$services_pid" && wait "$services_pid" || true; }
    "$services" "${@:2}" >"$work/$1.s.out" 2>"$work/$1.s.err" &
    services_pid=$!
    pids+=("$services_pid")
    wait_for 5 has_line "$1.s.out" ready || fail "$1: the fake services did not start"
    start_probe "$1"
}
# expect_seen <name> <line> <what failed>: the services see that within 5 s.
expect_seen() { wait_for 5 has_line "$1.s.out" "$2" || fail "$1: $3"; }

echo "== Through the portal: taken, given back at options 0 and on SIGTERM"
start_guarded portal --portal grant --session-manager
expect_seen portal "$asked" "no inhibition of logging out and switching user was asked"
echo "options 0" >&4
expect_seen portal "portal close" "options 0 kept the inhibition"
echo "options 458" >&4
wait_for 5 sh -c "[ \$(grep -c '^portal inhibit' '$work/portal.s.out') -eq 2 ]" ||
    fail "portal: locking down again did not inhibit again"
end_probe portal
[ "$(lines_of portal.s.out "portal close")" -eq 2 ] || fail "portal: SIGTERM kept the inhibition"
expect_seen portal "vanished holding 0" "the probe stayed on the bus"
! has_line portal.s.out "$manager" || fail "portal: the session manager was asked as well"

echo "== Killed outright: the bus drops the probe and its inhibition with it"
start_guarded killed --portal grant
expect_seen killed "$asked" "nothing was asked"
kill -KILL "$probe_pid"
wait "$probe_pid" || true
expect_seen killed "vanished holding 1" "the services never saw the probe leave the bus"

echo "== The portal refuses: the session manager holds it off instead"
start_guarded refused --portal refuse --session-manager
expect_seen refused "$manager" "the session manager was not asked"
echo "options 0" >&4
expect_seen refused "session-manager uninhibit" "options 0 kept the session manager's inhibition"
end_probe refused

echo "== No portal: the session manager holds it off, given back on SIGTERM"
start_guarded no-portal --session-manager
expect_seen no-portal "$manager" "the session manager was not asked"
end_probe no-portal
has_line no-portal.s.out "session-manager uninhibit" || fail "no-portal: SIGTERM kept it"

echo "== Options 0 before the portal answers: the late grant is given back"
start_guarded slow --portal slow
echo "options 0" >&4
expect_seen slow "portal close" "the late grant was kept"
end_probe slow

# said_once <name> <what>: the probe says it, and once only however often it locks down again.
said_once() {
    echo "options 0" >&4
    echo "options 458" >&4
    wait_for 5 grep -qF "$2" "$work/$1.err" || fail "$1: '$2' was never said"
    sleep 0.5
    [ "$(grep -c "logging out cannot be blocked" "$work/$1.err")" -eq 1 ] ||
        fail "$1: it was said more than once"
    end_probe "$1"
}
echo "== Nobody to ask, and no session bus: said once, play goes on"
start_guarded nobody
said_once nobody "logging out cannot be blocked here"
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" start_probe no-bus
said_once no-bus "logging out cannot be blocked here (there is no session bus)"
echo "PASS"
