#!/usr/bin/env bash
# Makes the Debian package from a built tree, as a release does, and unpacks it into a scratch
# root, where dpkg would put its files. The package must hold the program, its desktop
# files and its documentation, and nothing else: no test, library or header of the build may slip in.
# Usage: build-package.sh path/to/cpack build-dir out-dir app-id module-dir
# module-dir is where CMake installs the print module, below the prefix.
set -euo pipefail
cpack=$1
build=$2
out=$3
id=$4
module_dir=$5
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$out/deb" "$out/root"
mkdir -p "$out/deb"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out/deb" ||
  fail "cpack could not make the package"
shopt -s nullglob
debs=("$out"/deb/quistral_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} quistral_*.deb files, not one"
dpkg-deb --info "${debs[0]}"
dpkg -x "${debs[0]}" "$out/root"

expected="usr/bin/quistral
usr/$module_dir/quistral-print.so
usr/share/applications/$id.desktop
usr/share/doc/quistral/changelog.Debian.gz
usr/share/doc/quistral/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/lintian/overrides/quistral
usr/share/man/man1/quistral.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$out/root" && find . -type f -o -type l | sed 's#^\./##' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the package holds:
$actual
and should hold exactly:
$expected"
echo "${debs[0]##*/}: $(stat -c %s "${debs[0]}") bytes, unpacked into $out/root"
