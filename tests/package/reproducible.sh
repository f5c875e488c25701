#!/usr/bin/env bash
# Builds the Debian package twice, as scripts/package.sh builds it, from two copies of the
# source in different folders, with a different umask, time zone and locale, and nothing
# reused between them; the two packages must be the same to the byte. Where they differ,
# diffoscope says how.
# Usage: reproducible.sh source-dir
set -uo pipefail
source_dir=$(realpath "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build() {  # folder, umask, TZ, LC_ALL
  local folder=$scratch/$1
  mkdir -p "$folder"
  (cd "$source_dir" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$folder"
  (cd "$folder" && umask "$2" && TZ=$3 LC_ALL=$4 scripts/package.sh) >"$scratch/$1.log" 2>&1 ||
    { tail -n 20 "$scratch/$1.log"; fail "scripts/package.sh failed in $folder"; }
  tail -n 1 "$scratch/$1.log"
}
first=$(build one 0022 UTC C.UTF-8) || exit 1
sleep 1  # a second apart, so that any time of the build itself would show
second=$(build elsewhere/two 0002 Pacific/Auckland de_DE.UTF-8) || exit 1
if ! cmp -s "$first" "$second"; then
  diffoscope --text - "$first" "$second" | head -n 200
  fail "two builds of one source made different packages"
fi
echo "two builds, in $(dirname "$first") and $(dirname "$second"), made the same package:" \
  "$(sha256sum "$first" | cut -c1-16)… ($(stat -c %s "$first") bytes)"
