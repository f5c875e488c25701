#!/usr/bin/env bash
# Without any display the program must say so in one line and fail, not abort with a core.
# Usage: no-display.sh path/to/quistral
set -uo pipefail
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "$output"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1" >&2; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "FAIL: not one line" >&2; exit 1; }
[[ "$output" == *xvfb-run* ]] || { echo "FAIL: does not say how to run headless" >&2; exit 1; }
