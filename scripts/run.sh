#!/usr/bin/env bash
# Installs what is missing, builds Quistral for release, and starts it. Arguments go to the
# program: Qt's own, such as -platform or -style.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/common.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}"
cmake --preset "$PROGRAM_PRESET"
cmake --build --preset "$PROGRAM_PRESET"

exec "$(cat "$PROGRAM_PATH_FILE")" "$@"
