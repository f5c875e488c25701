#!/usr/bin/env bash
# Reads the shell blocks of the project's Markdown files as a newcomer pastes them, and checks
# that everything they name is there: each script (and that it runs), each preset of the kind
# its command takes, each CMake option, each file or folder of the checkout. With --built, after
# the builds the test command makes, also every path under build/ that they name.
# Usage: check-readme.sh source-dir [--built]
set -uo pipefail
[ $# -ge 1 ] || { echo "usage: $0 source-dir [--built]" >&2; exit 2; }
source_dir=$(realpath "$1")
built=${2:-}
cd "$source_dir" || exit 1

failures=0
complain() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

presets() { "$@" 2>/dev/null | sed -n 's/^ *"\([^"]*\)".*/\1/p'; }
configure_presets=$(presets cmake --list-presets)
build_presets=$(presets cmake --build --list-presets)
test_presets=$(presets ctest --list-presets)
workflow_presets=$(presets cmake --workflow --list-presets)
[ -n "$configure_presets" ] || complain "cmake lists no presets in CMakePresets.json"

# A name the build or the scripts define: an option or cache entry of ours, or CMake's own.
defined() {
  case $1 in CMAKE_* | BUILD_TESTING) return 0 ;; esac
  grep -rqE "(option|cmake_dependent_option)\($1[ )]|set\($1 .*CACHE" \
    --include=CMakeLists.txt --include='*.cmake' . ||
    grep -qE "\b$1\b" scripts/*.sh
}

# One simple command of a block: its words, and the file and line it came from.
check_command() {
  local where=$1 text=$2 kind=configure word previous= name
  local -a words
  read -ra words <<<"$text"
  [[ "$text" == "cmake --build"* ]] && kind=build
  [[ "$text" == "cmake --workflow"* ]] && kind=workflow
  [[ "$text" == "ctest"* ]] && kind=test
  for word in "${words[@]}"; do
    if [ "$previous" = --preset ]; then
      local list=${kind}_presets
      grep -qx -- "$word" <<<"${!list}" ||
        complain "$where: \`$text\`: CMakePresets.json has no $kind preset '$word'"
    fi
    previous=$word
    if [[ "$word" =~ ^-D([A-Za-z_0-9]+)= ]] || [[ "$word" =~ ^([A-Z][A-Z_0-9]+)=[^/]*$ ]]; then
      name=${BASH_REMATCH[1]}
      defined "$name" || complain "$where: \`$text\`: nothing in the build or scripts reads $name"
      continue
    fi
    # An option's value may be a path too (-artifact_prefix=build/…).
    [[ "$word" == -*=* ]] && word=${word#*=}
    word=${word#./}
    [[ "$word" =~ ^(scripts|tests|docs|fuzz|build|bench|tools|packaging|desktop|order|window|app|cmake)/ ]] ||
      continue
    if [[ "$word" == build/* ]]; then
      [ "$built" = --built ] || continue
      # There, or a new folder for the command to make in one that is.
      compgen -G "$word" >/dev/null || [[ "$word" != *[*?]* && -d "$(dirname "$word")" ]] ||
        complain "$where: \`$text\`: $word is not there after the builds the test command makes"
      continue
    fi
    compgen -G "$word" >/dev/null || { complain "$where: \`$text\`: no $word in the checkout"; continue; }
    if [[ "$word" == scripts/* ]]; then
      [ -x "$word" ] || complain "$where: \`$text\`: $word is not executable"
      bash -n "$word" || complain "$where: \`$text\`: $word does not parse"
    fi
  done
}

shopt -s nullglob
documents=(*.md)
commands=0
for document in "${documents[@]}"; do
  # Each shell block's lines, with comments and continuations folded, numbered from the file.
  while IFS=$'\t' read -r line text; do
    # Split at the shell's operators into simple commands.
    while IFS= read -r part; do
      part=$(sed -E 's/^ +| +$//g' <<<"$part")
      [ -n "$part" ] || continue
      commands=$((commands + 1)); [ -z "${VERBOSE:-}" ] || echo "$document:$line: $part"
      check_command "$document:$line" "$part"
    done < <(sed -E 's/ *(&&|\|\||;|\|) */\n/g' <<<"$text")
  done < <(awk '
    /^```(sh|bash|shell)$/ { on = 1; next }
    /^```/ { on = 0; next }
    on {
      sub(/(^| )#.*$/, "")
      if (pending != "") { $0 = pending " " $0 } else { first = NR }
      if (sub(/\\$/, "")) { pending = $0; next }
      pending = ""
      if ($0 ~ /[^ ]/) print first "\t" $0
    }' "$document")
  # The options and variables the prose names, in tables too.
  for name in $(grep -oE '\bQUISTRAL_[A-Z0-9_]+\b' "$document" | sort -u); do
    defined "$name" || complain "$document: names $name, which nothing in the build or scripts reads"
  done
done
[ "$commands" -gt 0 ] || complain "no shell commands found in ${documents[*]}"
[ "$failures" -eq 0 ] || exit 1
echo "${documents[*]}: $commands commands, every script, preset, option and path they name is there"
