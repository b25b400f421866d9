#!/usr/bin/env bash
# Builds Ratio and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
if [ -x build/default/app/ratio ]; then
  exec build/default/app/ratio "$@"
fi
echo "The window app is not built yet. Built and ready to run:"
echo "  build/default/cli/ratio-cli --help   (the headless calculator and converter)"
