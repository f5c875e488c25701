#!/usr/bin/env bash
# Installs what is missing, builds Quistral, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DQUISTRAL_BENCHMARKS=OFF
cmake --build build

exec build/app/quistral
