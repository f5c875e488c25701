#!/usr/bin/env bash
# Installs the package that scripts/package.sh made, with what it depends on; with --purge,
# removes Quistral again with all its files. As root, or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

case "${1:-}" in
  --purge) as_root apt-get purge -y quistral ;;
  "")
    shopt -s nullglob
    debs=("$PWD/$PROGRAM_BUILD"/quistral_*.deb)
    [ ${#debs[@]} -eq 1 ] || {
      echo "install.sh: ${#debs[@]} packages in $PROGRAM_BUILD, not one: make it with scripts/package.sh" >&2
      exit 1
    }
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${debs[0]}"
    ;;
  *) echo "usage: scripts/install.sh [--purge]" >&2; exit 2 ;;
esac
