#!/usr/bin/env bash
# Kills a process with SIGKILL in the middle of writing the settings file, many times over, at
# random moments: the file left behind must always be one whole, valid set of settings.
# Usage: settings_kill_test.sh <settings churn program> [rounds, 40 by default]
set -euo pipefail
churn=$1
rounds=${2:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/wigglepad/wigglepad.conf"
whole='\A\[General\]\nwigglepad\.mode=(sensory|lettersNumbers)\nwigglepad\.modeChosen=(true|false)\n?\z'

for ((round = 1; round <= rounds; round++)); do
    "$churn" "$file" >"$work/churn.out" 2>"$work/churn.err" &
    pid=$!
    until grep -q writing "$work/churn.out" 2>/dev/null; do
        kill -0 "$pid" 2>/dev/null || { cat "$work/churn.err" >&2; exit 1; }
        sleep 0.005
    done
    sleep "0.0$((RANDOM % 90 + 10))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    # A kill between creating the write lock and filling it in leaves a lock that the next
    # writer only takes as stale after 30 s; that wait is not what this test is about.
    rm -f "$file.lock"
    if ! grep -Pzq "$whole" "$file"; then
        echo "FAIL: round $round left a broken settings file:" >&2
        cat "$file" >&2
        exit 1
    fi
done
echo "PASS: $rounds kills in the middle of writing left a whole settings file each time"
