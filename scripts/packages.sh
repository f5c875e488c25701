# The Debian packages the project needs, sourced by the run and test scripts.
# shellcheck shell=bash
BUILD_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libicu-dev
)
TEST_PACKAGES=(
  git clang-format
  libgtest-dev libbenchmark-dev
)
