#!/usr/bin/env bash
# Builds the programs (the release preset: no tests, no benchmarks) and starts Ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
exec build/release/app/ratio "$@"
