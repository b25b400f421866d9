#!/usr/bin/env bash
# Makes the Debian package twice from scratch, in two build folders, and
# compares the two files byte for byte: a package of one commit must not
# depend on when or where it was built.
set -euo pipefail
cd "$(dirname "$0")/.."
first=build/package second=build/package-again
rm -rf "$first" "$second"
one="$(scripts/package.sh | tail -n 1)"
two="$(RATIO_PACKAGE_BUILD="$second" scripts/package.sh | tail -n 1)"
cmp "$one" "$two"
rm -rf "$second"
echo "reproducible: $one"
