#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Formatting"
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ ${#sources[@]} -eq 0 ]; then
  echo "No sources found to check." >&2
  exit 1
fi
clang-format --dry-run --Werror "${sources[@]}"

echo "== Build"
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON -DQUISTRAL_BENCHMARKS=ON
cmake --build build

echo "== Tests"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
