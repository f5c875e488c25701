#!/usr/bin/env bash
# Starts the real program on a private X server and uses it through the keyboard, as a
# person would: the window must appear at its size, a refused item and Help › About must
# each bring up a real message box that Return dismisses, and File › Exit must end the
# program with status 0. The window must hand the desktop its icon, drawn, at every size a
# window manager asks for; given a desktop entry, its StartupWMClass must name the window's
# class, so a dock files the window under that entry.
# Usage: opens-under-x.sh path/to/quistral [path/to/entry.desktop]
set -euo pipefail
program=$(realpath "$1")
entry=${2:-}

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    "$(realpath "$0")" "$program" ${entry:+"$entry"}
fi

source "$(dirname "$(realpath "$0")")/../support/x-session.sh"

log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

window=$(wait_for_window '^Quistral$') || fail "no window named Quistral appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 404 ] || fail "window is $WIDTH wide, not 404"
[ "$HEIGHT" -gt 366 ] || fail "window is $HEIGHT high: no room for the menu bar above 366"
timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null ||
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

# xprop draws each icon as text, a space for a transparent pixel.
icons=$(LC_ALL=C xprop -id "$window" -notype _NET_WM_ICON)
for size in 16 32 64 128; do
  art=$(printf '%s\n' "$icons" | awk -v head="Icon ($size x $size):" \
    '$0 ~ /Icon \(/ { on = index($0, head) > 0; next } on')
  [ "$(printf '%s\n' "$art" | grep -c .)" -ge "$size" ] || fail "no $size px window icon"
  drawn=$(printf '%s' "$art" | tr -d ' \t\n' | wc -c)
  [ "$drawn" -ge $((size * size / 4)) ] || fail "the $size px window icon is blank ($drawn pixels)"
done
if [ -n "$entry" ]; then
  class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
  wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
  [ "$class" = "$wanted" ] || fail "window class '$class', but the desktop entry names '$wanted'"
fi

# Answers a message box with Return, then gives the form the keyboard again: with no window
# manager on this server, nothing else does.
answer() {
  local box
  box=$(wait_for_window "$1") || fail "no window named $1 appeared"
  timeout 5 xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  gone "$1" || fail "Return did not dismiss $1"
  timeout 5 xdotool windowfocus --sync "$window" || fail "the form did not take the focus back"
}

# The focus starts in Name; Alt+E, N asks for the next item with nothing typed.
xdotool type --delay 20 "Ann Smith"
xdotool key --delay 50 alt+e n
answer '^Validation Error$'
xdotool key --delay 50 alt+h a
answer '^About My Program$'
kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$log")"

# Run by with-private-cups.sh, it prints too: the print module is loaded on first use.
printed=
if [ -n "${PRINTED_PDF_DIR:-}" ]; then
  xdotool key --delay 50 alt+f p
  for _ in $(seq 300); do
    compgen -G "$PRINTED_PDF_DIR/*.pdf" >/dev/null && break
    sleep 0.1
  done
  compgen -G "$PRINTED_PDF_DIR/*.pdf" >/dev/null || fail "Print Form printed nothing"
  xdotool search --onlyvisible --name '^Quistral$' | grep -vqx "$window" &&
    fail "Print Form brought up a message"
  printed="; Print Form printed a page"
fi

xdotool key --delay 50 alt+f x
ended "$pid" || fail "File > Exit did not end the program"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$log")"
echo "window $WIDTH x $HEIGHT with its icon; validation and About shown and dismissed$printed;" \
  "Exit ended it with 0"
