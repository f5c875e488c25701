# Helpers for the tests that drive the real program on an X server with xdotool; sourced.
# Every wait is bounded: xdotool's own --sync waits forever, and a hung test says nothing.
# shellcheck shell=bash

fail() { echo "FAIL: $*" >&2; exit 1; }

# Prints the first visible window whose name matches; false if none appears within 20 s.
wait_for_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# Waits until no visible window has that name; false if one is still there after 5 s.
gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Waits for a process to end; false if it is still running after 5 s.
ended() {
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}
