# The Debian packages the project needs, sourced by the run and test scripts.
# shellcheck shell=bash
BUILD_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libicu-dev
  qt6-base-dev
  # The window draws its text with these; a minimal system has no fonts at all.
  fonts-dejavu-core
)
TEST_PACKAGES=(
  git clang-format
  libgtest-dev libbenchmark-dev
  # A real X server for the tests that start the program as a user does.
  xvfb xauth xdotool
)
