#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and makes its Debian package; prints
# the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
cmake --preset program
cmake --build --preset program
(cd build/program && cpack)
ls "$PWD"/build/program/quistral_*.deb
