#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and makes its Debian package; prints
# the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/common.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
# The package's time is its newest changelog entry's, as dpkg-buildpackage sets it, unless the
# caller sets one: every time the build writes (resources, archive members) is that one, so
# two builds of one source are alike to the byte.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
  export SOURCE_DATE_EPOCH
fi
cmake --preset "$PROGRAM_PRESET"
cmake --build --preset "$PROGRAM_PRESET"
# cpack gives the archive's members the modes of the files it writes: the same for everyone.
(cd "$PROGRAM_BUILD" && umask 022 && cpack)
ls "$PWD/$PROGRAM_BUILD"/quistral_*.deb
