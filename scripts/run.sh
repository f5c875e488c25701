#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}"
cmake --preset program
cmake --build --preset program

exec build/program/app/quistral
