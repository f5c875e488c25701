#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and makes its Debian package; prints
# the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DQUISTRAL_BENCHMARKS=OFF
cmake --build build-package
(cd build-package && cpack)
ls "$PWD"/build-package/quistral_*.deb
