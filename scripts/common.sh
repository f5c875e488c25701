# Shared by the scripts: where the program's build is, and how to run a command as root.
# shellcheck shell=bash

# The preset that the run command and the package build, in its tree build/<preset>
# (CMakePresets.json's binaryDir).
PROGRAM_PRESET=program
PROGRAM_BUILD=build/$PROGRAM_PRESET
# CMake writes the path of the program it built into this file, so that no script spells out
# the folder it lands in.
PROGRAM_PATH_FILE=$PROGRAM_BUILD/quistral-program-path

# Runs a command as root: directly when we are root (a fresh Debian has no sudo), else
# through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}
