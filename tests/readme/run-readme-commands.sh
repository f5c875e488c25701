#!/usr/bin/env bash
# Runs the README's package and run commands as they stand there, as a newcomer pastes them
# after the test command: the package is made where the README says; `xvfb-run -a
# scripts/run.sh` opens the window, which File > Exit closes with status 0; and scripts/run.sh
# with no desktop at all gives its one line of advice and status 1. Then every build/ path
# the README names must be there. Each failure names the command that broke.
# Usage: run-readme-commands.sh source-dir
set -uo pipefail
cd "$(realpath "$1")" || exit 1
source tests/support/x-session.sh
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT

# The first command in the README's shell blocks that starts with these words, as written.
readme_command() {
  awk '/^```(sh|bash|shell)$/ { on = 1; next } /^```/ { on = 0; next }
       on { sub(/(^| )#.*$/, ""); sub(/ +$/, ""); print }' README.md | grep -m 1 -E "^$1( |$)" ||
    fail "the README no longer gives a command starting \`$1\`"
}
broke() { fail "the README's \`$1\`: $2"; }

package=$(readme_command 'scripts/package.sh') || exit 1
echo "== $package"
bash -c "$package" >"$scratch/package.log" 2>&1 ||
  { tail -n 20 "$scratch/package.log"; broke "$package" "failed"; }
made=$(tail -n 1 "$scratch/package.log")
[ -f "$made" ] || { tail -n 5 "$scratch/package.log"; broke "$package" "did not end with a package's path"; }
echo "made $made"

headless=$(readme_command 'xvfb-run -a scripts/run.sh') || exit 1
echo "== $headless"
# Marks the program this check starts, to find it behind xvfb-run and its private display.
export QUISTRAL_README_RUN=$$
bash -c "$headless" >"$scratch/run.log" 2>&1 &
runner=$!
program=
for _ in $(seq 3000); do
  for pid in $(pgrep -x quistral); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "QUISTRAL_README_RUN=$$" &&
      program=$pid && break 2
  done
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
[ -n "$program" ] || { tail -n 20 "$scratch/run.log"; broke "$headless" "the program never started"; }
for name in DISPLAY XAUTHORITY; do
  value=$(tr '\0' '\n' <"/proc/$program/environ" | sed -n "s/^$name=//p")
  export "$name=$value"
done
window=$(wait_for_window '^Quistral$') ||
  { tail -n 20 "$scratch/run.log"; broke "$headless" "no window titled Quistral on $DISPLAY"; }
timeout 5 xdotool windowfocus --sync "$window" || broke "$headless" "the window takes no keyboard"
xdotool key --delay 50 alt+f x 2>/dev/null  # the server goes with the program
ended "$runner" || broke "$headless" "File > Exit did not end the program"
status=0
wait "$runner" || status=$?
[ "$status" -eq 0 ] || { tail -n 20 "$scratch/run.log"; broke "$headless" "ended with status $status"; }
echo "the window opened, and File > Exit closed it with status 0"
unset DISPLAY XAUTHORITY QUISTRAL_README_RUN

run=$(readme_command 'scripts/run.sh') || exit 1
echo "== $run, with no desktop"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY bash -c "$run" >"$scratch/plain.log" 2>&1 || status=$?
advice=$(tail -n 1 "$scratch/plain.log")
[ "$status" -eq 1 ] || { tail -n 20 "$scratch/plain.log"; broke "$run" "status $status with no desktop, not 1"; }
[[ "$advice" == quistral:*xvfb-run* ]] ||
  { tail -n 20 "$scratch/plain.log"; broke "$run" "its last line is not the program's advice"; }
echo "status 1 and: $advice"

tests/readme/check-readme.sh . --built
