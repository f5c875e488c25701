#!/usr/bin/env bash
# Looks at the unpacked Debian package as a desktop and apt would: the desktop entry and the
# metainfo pass their validators, they name the files the package really holds, and every
# library the program needs is a dependency, found by dpkg-shlibdeps, that apt can resolve.
# Usage: check-package.sh out-dir app-id hardened
# hardened is 1 where the build is hardened as Debian builds it (not the sanitizer build).
set -euo pipefail
out=$1
id=$2
hardened=$3
root=$out/root
deb=$(echo "$out"/deb/quistral_*.deb)
entry=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$entry" || fail "desktop-file-validate refuses $entry"
appstreamcli validate --strict --no-net "$metainfo" || fail "appstreamcli refuses the metainfo"
# The tree as installed: the metainfo's launchable must be a desktop entry that is there.
appstreamcli validate-tree --strict --no-net "$root" || fail "appstreamcli refuses the tree"

field() { sed -n "s/^$1=//p" "$entry"; }
program=$(field Exec)
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not a program the package installs"
[ "$(field Icon)" = "$id" ] || fail "Icon=$(field Icon), not $id"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon $id.svg in hicolor"
grep -q "<binary>$program</binary>" "$metainfo" || fail "the metainfo does not provide $program"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no screenshot"
upstream=$(dpkg-deb --field "$deb" Version)
upstream=${upstream%-*}
grep -q "<release version=\"$upstream\"" "$metainfo" ||
  fail "the metainfo has no release $upstream, the package's version"

# Each library the program or its print module names must belong to a package it depends on.
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
binary=$root/usr/bin/$program
module=$(echo "$root"/usr/lib/*/quistral/quistral-print.so)
for elf in "$binary" "$module"; do
resolved=$(ldd "$elf")
for library in $(readelf -d "$elf" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  path=$(awk -v name="$library" '$1 == name { print $3 }' <<<"$resolved")
  [ -n "$path" ] || fail "$library is not found on this system"
  # With /usr merged, dpkg may know the file under either name.
  owner=$({ dpkg -S "$path" || dpkg -S "${path#/usr}" || dpkg -S "/usr$path"; } 2>/dev/null |
    head -n 1 | cut -d: -f1) || fail "no installed package holds $path"
  [[ ", $depends," == *", $owner"[\ ,]* ]] ||
    fail "$library comes from $owner, which is not a dependency"
done
done
# Printing is loaded on first use: nothing of it at the program's start.
if ldd "$binary" | grep -E 'libcups|libQt6PrintSupport'; then
  fail "the program loads the print path at start"
fi
[[ "$(ldd "$module")" == *libcups* ]] || fail "the print module does not link the print system"

# Debian's own judges: lintian, with no error or warning and, for a hardened build, no
# hardening tag at any level; and hardening-check on the program and its module.
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1 || {
  cat "$out/lintian.log"
  fail "lintian finds errors or warnings"
}
cat "$out/lintian.log"
if [ "$hardened" = 1 ]; then
  # Control-flow protection is left out: bookworm's dpkg-buildflags does not ask for it, and
  # the linker marks a program only when every object in it, the system's too, has it.
  ! grep -q 'hardening-' "$out/lintian.log" || fail "lintian finds the program not hardened"
  hardening-check --nocfprotection "$binary" "$module" ||
    fail "hardening-check finds the program or its print module not hardened"
fi
# The manual page reads as one, with every section a user looks for.
manual=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/quistral.1.gz" 2>&1) || fail "man cannot show it"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT "EXIT STATUS"; do
  grep -q "^$section" <<<"$manual" || fail "the manual page has no $section"
done
grep -q "^Copyright: 2026 The Quistral developers" "$root/usr/share/doc/quistral/copyright" ||
  fail "the copyright file does not name the holder from LICENSE"

# apt, which would install it, must find everything it depends on. --reinstall, so that the
# answer is the same whether or not this version is installed on the machine already.
apt-get install --simulate --reinstall --no-install-recommends "$(realpath "$deb")" \
  >"$out/apt.log" 2>&1 || {
  cat "$out/apt.log"
  fail "apt cannot resolve the package's dependencies"
}
grep -q '^Inst quistral ' "$out/apt.log" || { cat "$out/apt.log"; fail "apt would not install it"; }
echo "desktop entry and metainfo valid and consistent; $(wc -w <<<"${depends//,/}") dependency words resolved"
