#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds everything and runs every test; then
# the static checks, every test again under AddressSanitizer, the window and its printing
# under ThreadSanitizer, the fuzz targets, the other builds people make (release with g++
# and clang++, the core alone), the package built twice and compared, and last the README's
# run and package commands as it gives them. Each build is a preset of CMakePresets.json,
# built in build/<preset>.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
start=$SECONDS

echo "== Formatting"
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ ${#sources[@]} -eq 0 ]; then
  echo "No sources found to check." >&2
  exit 1
fi
clang-format --dry-run --Werror "${sources[@]}"

echo "== Build (preset dev)"
cmake --preset dev
cmake --build --preset dev
# The fuzz targets need clang; configured now so the static checks can read how they build.
cmake --preset fuzz -DQUISTRAL_FUZZ_SECONDS="${QUISTRAL_FUZZ_SECONDS:-60}"

echo "== Static checks (clang-tidy, .clang-tidy)"
run-clang-tidy -p build/dev -quiet "$PWD/(order|window|app|tests|bench|tools)/"
run-clang-tidy -p build/fuzz -quiet "$PWD/fuzz/"

echo "== Tests (preset dev)"
ctest --preset dev

echo "== Tests again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== The window and its printing under ThreadSanitizer"
cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

echo "== Fuzzing, ${QUISTRAL_FUZZ_SECONDS:-60} s a target"
cmake --build --preset fuzz
ctest --preset fuzz
# How much each target tried, from its final statistics: a report, so it never fails the run.
grep -E '^[0-9]+/[0-9]+ Test: [A-Za-z]+Fuzz$|^Done [0-9]+ runs' \
  build/fuzz/Testing/Temporary/LastTest.log || echo "(no fuzz statistics found in the log)"

for preset in release release-clang core; do
  echo "== Build and tests (preset $preset)"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== The package, built twice from two folders, alike to the byte"
tests/package/reproducible.sh .

echo "== The README's commands, as a newcomer runs them"
tests/readme/run-readme-commands.sh .

echo "== All passed in $((SECONDS - start)) s"
