#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and makes its Debian package; prints
# the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/common.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
cmake --preset "$PROGRAM_PRESET"
cmake --build --preset "$PROGRAM_PRESET"
(cd "$PROGRAM_BUILD" && cpack)
ls "$PWD/$PROGRAM_BUILD"/quistral_*.deb
