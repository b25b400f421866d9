#!/usr/bin/env bash
# Checks the translation files with gettext's msgfmt; builds everything and
# runs all tests: once normally, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz target
# for a bounded time when clang is there; last builds and tests the core for
# 32 bits. First of all, a plain Release build must configure without the test
# and benchmark libraries: CMake refuses to generate a build whose targets link
# a library it did not find, so configuring proves that no program needs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --dev
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON > /dev/null
for po in localization/po/*.po; do
  msgfmt --check --output-file=/dev/null "$po"
done
jobs="$(nproc)"
for preset in default sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
scripts/fuzz.sh
scripts/test-core32.sh
