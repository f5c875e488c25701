#!/usr/bin/env bash
# Without a display to open the window on, the program must say so in one line and fail
# with status 1: not abort with a core dump, nor advise reinstalling.
# Usage: no-display.sh path/to/quistral
set -uo pipefail
program=$1
check() {  # what, then the environment to run in
  local what=$1 output status
  shift
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
  status=$?
  echo "$what: $output"
  [ "$status" -eq 1 ] || { echo "FAIL: $what: exit status $status, not 1" >&2; exit 1; }
  [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "FAIL: $what: not one line" >&2; exit 1; }
  [[ "$output" == *xvfb-run* ]] || { echo "FAIL: $what: does not say how to run headless" >&2; exit 1; }
  [[ "$output" != *einstall* ]] || { echo "FAIL: $what: advises reinstalling" >&2; exit 1; }
}
check "no desktop session"
check "an X display nobody answers" DISPLAY=:987
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
check "a Wayland compositor nobody runs" XDG_RUNTIME_DIR="$scratch" WAYLAND_DISPLAY=nobody \
  QT_QPA_PLATFORM=wayland
