#!/usr/bin/env bash
# Without a display to open the window on, the program must say so in one line and fail
# with status 1: not abort with a core dump, nor advise reinstalling.
# Where Qt fails for another reason, such as a platform that does not exist, the program
# gives Qt's own words instead, and fails too.
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

output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xbc "$program" 2>&1)
status=$?
echo "a platform that does not exist: $output"
[ "$status" -eq 1 ] || { echo "FAIL: a wrong platform: exit status $status, not 1" >&2; exit 1; }
[[ "$output" == *'Could not find the Qt platform plugin "xbc"'* ]] ||
  { echo "FAIL: a wrong platform: Qt's reason is not given" >&2; exit 1; }
[[ "$output" != *"no windowing system could be reached"* ]] ||
  { echo "FAIL: a wrong platform is blamed on the display" >&2; exit 1; }
