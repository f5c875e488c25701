#!/usr/bin/env bash
# The installed program on a desktop with no X server at all: a Wayland compositor (weston,
# headless) and only WAYLAND_DISPLAY set. It must open its window through Qt's Wayland
# platform, titled Quistral, and stay up.
# Usage: opens-on-wayland.sh path/to/quistral
set -uo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch && chmod 700 "$scratch"
weston --backend=headless-backend.so --socket=quistral-test --idle-time=0 \
  >"$scratch/weston.log" 2>&1 &
for _ in $(seq 100); do [ -S "$scratch/quistral-test" ] && break; sleep 0.1; done
[ -S "$scratch/quistral-test" ] || { cat "$scratch/weston.log"; fail "weston did not start"; }

# WAYLAND_DEBUG logs the protocol: what the program asks of the compositor.
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=quistral-test WAYLAND_DEBUG=client \
  LANG=en_US.UTF-8 "$program" >"$scratch/program.log" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q 'set_title("Quistral")' "$scratch/program.log" && break; sleep 0.1; done
grep -q 'set_title("Quistral")' "$scratch/program.log" ||
  { tail -n 20 "$scratch/program.log"; fail "no window titled Quistral on the compositor"; }
grep -q 'libqwayland' "/proc/$pid/maps" || fail "Qt's Wayland platform is not the one in use"
sleep 2
kill -0 "$pid" 2>/dev/null || { tail -n 20 "$scratch/program.log"; fail "the program did not stay up"; }
echo "the installed program opened its window on Wayland and stayed up"
