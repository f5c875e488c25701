#!/usr/bin/env bash
# A blind user's order, with the real screen reader: Orca runs on a private X server, D-Bus
# session and accessibility bus, the program is driven by keyboard alone, and what Orca says
# is read from its debug log (each utterance is logged there before it goes to speech).
# Usage: orca-takes-an-order.sh path/to/quistral
set -uo pipefail
program=$1
source "$(dirname "$(realpath "$0")")/../support/x-session.sh"
for tool in Xvfb xdotool orca dbus-run-session; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Orca and speech-dispatcher need a locale the system has; the program gets its own below.
export LANG=C.UTF-8 LC_ALL= QT_QPA_PLATFORM=xcb
# No speech server: Orca logs each utterance first, and with no server to start it goes on
# without sound at once instead of waiting on one that cannot open an audio device.
export SPEECHD_CMD=/bin/false
for display in $(seq 70 99); do
  [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

log=$scratch/orca.log
# Run inside the private D-Bus session: the accessibility bus, Orca, then the program.
session() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  # Orca writes its debug log through a buffer unless the log is a terminal: script gives it
  # one, and copies every line to the log file as it comes.
  script -qfec "orca --replace --debug-file=/dev/stdout" "$log" >/dev/null 2>&1 &
  for _ in $(seq 300); do grep -aq "Screen reader on" "$log" 2>/dev/null && break; sleep 0.1; done
  grep -aq "Screen reader on" "$log" || fail "Orca did not start: $(tail -n 3 "$log" 2>/dev/null)"
  LANG=en_US.UTF-8 "$program" >"$scratch/program.log" 2>&1 &
  local window
  window=$(wait_for_window '^Quistral$') || fail "no window named Quistral appeared"
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
  wait_for "the window" "Name: text"

  # Each step: keys, then what Orca must have said since the step began.
  step "first Tab into an empty box" "Street: text" key Tab
  step "access key into Description" "Description: text" alt d
  xdotool type --delay 50 Teapot
  step "Quantity" "Quantity: text" alt q
  xdotool type 2
  step "Weight" "Weight: text" alt w
  xdotool type 3
  step "Price" "Price: text" alt r
  xdotool type 10
  step "Edit menu" "Next Item" alt e
  step "Next Item moves to Description" "Description: text" key n
  step "Edit menu again" "Next Item" alt e
  step "Next Item with no quantity" "Enter a numeric quantity" key n
  xdotool key Return
  # No window manager gives the focus back once the message is gone; do as one would.
  sleep 0.5
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus back"
  step "State" "State: text" alt a
  xdotool type ca
  step "File menu" "Print Form" alt f
  step "Summary" "Description: text" key s
  xdotool key Tab Tab Tab
  step "Total after Price" "Total Amount Due.*[$]24[.]10|[$]24[.]10.*Total Amount Due" key Tab
  step "Shipping" "Shipping and Handling.*[$]2[.]50|[$]2[.]50.*Shipping and Handling" key Tab
  step "Sales Tax" "Sales Tax.*[$]1[.]60|[$]1[.]60.*Sales Tax" key Tab
  step "Amount Due" "Dollar Amount Due.*[$]20[.]00|[$]20[.]00.*Dollar Amount Due" key Tab
  echo "Orca said every step's words."
}
# Alt held while the letter is pressed, slowly enough for a busy screen reader to follow.
alt() { xdotool keydown alt sleep 0.2 key "$1" sleep 0.2 keyup alt; }
said() { grep -a "SPEECH OUTPUT" "$log" | tail -n +"$1" | sed -E "s/.*SPEECH OUTPUT: '([^']*)'.*/\1/"; }
wait_for() {  # name, pattern[, first line]
  for _ in $(seq 100); do said "${3:-1}" | tr '\n' ' ' | grep -Eq "$2" && return 0; sleep 0.1; done
  fail "$1: Orca did not say /$2/; it said: $(said "${3:-1}" | tr '\n' '|')"
}
step() {  # name, pattern, xdotool arguments
  local name=$1 pattern=$2 first
  shift 2
  first=$(($(grep -ac "SPEECH OUTPUT" "$log") + 1))
  sleep 0.3
  if [ "$1" = alt ]; then alt "$2"; else xdotool "$@"; fi
  wait_for "$name" "$pattern" "$first"
  echo "ok: $name: $(said "$first" | tr '\n' '|')"
}
export -f session alt said wait_for step fail wait_for_window
export log program scratch
dbus-run-session -- bash -c session
