#!/usr/bin/env bash
# Installs whichever of the named Debian packages are missing, and nothing else.
set -euo pipefail
source "$(dirname "$0")/common.sh"

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "${missing[@]}"
