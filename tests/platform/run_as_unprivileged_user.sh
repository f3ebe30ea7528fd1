#!/usr/bin/env bash
# Runs a test program as an unprivileged user, for cases that file permissions must bind:
# permissions do not bind root, which CI runs as. Fails if the case was skipped after all.
# Usage: run_as_unprivileged_user.sh <test program> <gtest filter>
set -euo pipefail
program=$1 filter=$2

run=("$program")
if [ "$(id -u)" -eq 0 ]; then
    # A copy the other user can reach, whatever the permissions of the build folder.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp "$program" "$scratch/"
    chmod 755 "$scratch" "$scratch/$(basename "$program")"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp TMPDIR=/tmp
         "$scratch/$(basename "$program")")
fi

output=$("${run[@]}" --gtest_filter="$filter" 2>&1) || { echo "$output"; exit 1; }
echo "$output"
if grep -q '\[  SKIPPED \]' <<<"$output" || ! grep -q '\[  PASSED  \] 1 test' <<<"$output"; then
    echo "FAIL: the case did not run as an unprivileged user" >&2
    exit 1
fi
