#!/usr/bin/env bash
# Makes the Debian package twice from scratch and compares the two files byte
# for byte: a package of one commit must not depend on when it was built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
rm -rf "$build"
first="$(scripts/package.sh | tail -n 1)"
kept="$(mktemp -d)"
trap 'rm -rf "$kept"' EXIT
cp "$first" "$kept/"
rm -rf "$build"
second="$(scripts/package.sh | tail -n 1)"
cmp "$kept/$(basename "$first")" "$second"
echo "reproducible: $second"
