#!/usr/bin/env bash
# Builds the Qt-free core (engine, units, localization) and its tests for 32
# bits and runs them: there long and GMP's unsigned long have 32 bits, as on
# the i386 and armhf machines Debian builds for.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(dpkg --print-architecture)" != amd64 ]; then
  echo "32-bit core: skipped, -m32 needs an amd64 machine"
  exit 0
fi
mapfile -t wanted < <(grep -v '^\s*#' scripts/debian-packages-core32.txt | grep -v '^\s*$')
scripts/install-deps.sh "${wanted[@]}"
jobs="$(nproc)"
cmake --preset core32
cmake --build --preset core32 -j "$jobs"
ctest --preset core32 -j "$jobs"
