#!/usr/bin/env bash
# Starts the real program on a private X server and uses it through the keyboard, as a
# person would: the window must appear at its size, and a refused item must bring up a
# real modal message box that Return dismisses. Usage: opens-under-x.sh path/to/quistral
set -euo pipefail
program=$(realpath "$1")

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$program"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }
# xdotool --sync waits forever; bound every wait.
wait_for_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

window=$(wait_for_window '^Quistral$') || fail "no window named Quistral appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 404 ] || fail "window is $WIDTH wide, not 404"
[ "$HEIGHT" -gt 366 ] || fail "window is $HEIGHT high: no room for the menu bar above 366"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# The focus starts in Name; Alt+E, N asks for the next item with nothing typed.
xdotool type --delay 20 "Ann Smith"
xdotool key --delay 50 alt+e n
message=$(wait_for_window '^Validation Error$') || fail "no validation message appeared"
xdotool windowactivate --sync "$message" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Validation Error$' >/dev/null || break
  sleep 0.1
done
if xdotool search --onlyvisible --name '^Validation Error$' >/dev/null; then
  fail "Return did not dismiss the message"
fi
kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$log")"
echo "window $WIDTH x $HEIGHT; validation message shown and dismissed"
