#!/usr/bin/env bash
# Holding off the session's end, end to end: the stand-in kiosk window (offscreen) against fake
# desktop services on a private session bus. The inhibition is taken when the lock-down starts,
# given back at options 0 and on SIGTERM, dropped by the bus when the process is killed; the
# session manager stands in for a portal that is missing or refuses; with nobody to ask, or no
# bus at all, play goes on and that is said once.
# Usage (inside dbus-run-session): session_end_e2e.sh <lock-down probe> <fake session services>
set -euo pipefail

probe=$1
services=$2
# Only the scratch directory, cleanup, waiting and probe helpers: no X server is started.
source "$(dirname "$0")/x11_session.sh"

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "run this inside dbus-run-session"
export QT_QPA_PLATFORM=offscreen
# Every option but the keyboard lock, which the offscreen platform cannot give.
locked=458
reason="A child is playing in Wigglepad."

said() { grep -qx -- "$2" "$work/$1"; }
count() { grep -cx -- "$2" "$work/$1" || true; }

# start_services <name> [arguments...]: fresh fakes, once they are on the bus.
start_services() {
    local name=$1; shift
    if [ -n "${services_pid:-}" ]; then
        kill "$services_pid"
        wait "$services_pid" || true
    fi
    "$services" "$@" >"$work/$name.services.out" 2>"$work/$name.services.err" &
    services_pid=$!
    pids+=("$services_pid")
    wait_for 5 said "$name.services.out" ready || fail "$name: the fake services did not start"
}

# start_guarded_probe <name>: the probe, locked down and holding off the session's end.
start_guarded_probe() { start_probe "$1" "$locked" --hold-off-session-end; }

echo "== Through the portal: taken, given back at options 0 and on SIGTERM"
start_services portal --portal grant --session-manager
start_guarded_probe portal
wait_for 5 said portal.services.out "portal inhibit 3 $reason" ||
    fail "portal: no inhibition of logging out and switching user was asked"
echo "options 0" >&4
wait_for 5 said portal.services.out "portal close" || fail "portal: options 0 kept the inhibition"
echo "options $locked" >&4
wait_for 5 sh -c "[ \$(grep -c '^portal inhibit' '$work/portal.services.out') -eq 2 ]" ||
    fail "portal: locking down again did not inhibit again"
end_probe portal
[ "$(count portal.services.out "portal close")" -eq 2 ] || fail "portal: SIGTERM kept the inhibition"
wait_for 5 said portal.services.out "vanished holding 0" || fail "portal: the probe stayed on the bus"
said portal.services.out "session-manager inhibit 3 wigglepad" &&
    fail "portal: the session manager was asked although the portal agreed"

echo "== Killed outright: the bus drops the probe and its inhibition with it"
start_services killed --portal grant
start_guarded_probe killed
wait_for 5 said killed.services.out "portal inhibit 3 $reason" || fail "killed: nothing was asked"
kill -KILL "$probe_pid"
wait "$probe_pid" || true
wait_for 5 said killed.services.out "vanished holding 1" ||
    fail "killed: the services never saw the probe leave the bus"

echo "== The portal refuses: the session manager holds it off instead"
start_services refused --portal refuse --session-manager
start_guarded_probe refused
wait_for 5 said refused.services.out "session-manager inhibit 3 wigglepad" ||
    fail "refused: the session manager was not asked"
echo "options 0" >&4
wait_for 5 said refused.services.out "session-manager uninhibit" ||
    fail "refused: options 0 kept the session manager's inhibition"
end_probe refused

echo "== No portal: the session manager holds it off, given back on SIGTERM"
start_services no-portal --session-manager
start_guarded_probe no-portal
wait_for 5 said no-portal.services.out "session-manager inhibit 3 wigglepad" ||
    fail "no-portal: the session manager was not asked"
end_probe no-portal
said no-portal.services.out "session-manager uninhibit" ||
    fail "no-portal: SIGTERM kept the session manager's inhibition"

echo "== Options 0 before the portal answers: the late grant is given back"
start_services slow --portal slow
start_guarded_probe slow
echo "options 0" >&4
wait_for 5 said slow.services.out "portal close" || fail "slow: the late grant was kept"
end_probe slow

# said_once <name> <what>: the probe says it, and once only however often it locks down again;
# then SIGTERM ends it.
said_once() {
    echo "options 0" >&4
    echo "options $locked" >&4
    wait_for 5 grep -qF "$2" "$work/$1.err" || fail "$1: '$2' was never said"
    sleep 0.5
    [ "$(grep -c "logging out cannot be blocked" "$work/$1.err")" -eq 1 ] ||
        fail "$1: it was said more than once"
    end_probe "$1"
}

echo "== Nobody to ask: said once, play goes on"
start_services nobody
start_guarded_probe nobody
said_once nobody "logging out cannot be blocked here"

echo "== No session bus: said once, play goes on"
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" start_guarded_probe no-bus
said_once no-bus "logging out cannot be blocked here (there is no session bus)"

echo "PASS"
