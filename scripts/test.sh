#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds everything and runs every test: then
# the static checks, every test again under the sanitizers, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-packages.sh "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

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
# The fuzz targets need clang; configured now so the static checks can read how they build.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQUISTRAL_FUZZ=ON \
  -DQUISTRAL_WINDOW=OFF -DQUISTRAL_BENCHMARKS=OFF -DBUILD_TESTING=ON \
  -DQUISTRAL_FUZZ_SECONDS="${QUISTRAL_FUZZ_SECONDS:-60}"

echo "== Static checks (clang-tidy, .clang-tidy)"
run-clang-tidy -p build -quiet "$PWD/(order|window|app|tests|bench)/"
run-clang-tidy -p build-fuzz -quiet "$PWD/fuzz/"

echo "== Tests"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

echo "== Tests again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
cmake -S . -B build-asan -G Ninja -DQUISTRAL_SANITIZE=ON -DBUILD_TESTING=ON \
  -DQUISTRAL_BENCHMARKS=OFF
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

echo "== Fuzzing, ${QUISTRAL_FUZZ_SECONDS:-60} s a target"
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure --parallel "$(nproc)"
# How much each target tried, from its final statistics.
grep -E '^[0-9]+/[0-9]+ Test: [A-Za-z]+Fuzz$|^Done [0-9]+ runs' \
  build-fuzz/Testing/Temporary/LastTest.log
