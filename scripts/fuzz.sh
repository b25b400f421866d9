#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, 20 by default) from the seed corpus in tests/cli/fuzz-corpus.
# A crash, a leak or a sanitizer report fails the run. Without clang it says
# so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ > /dev/null; then
  echo "fuzz.sh: clang++ not found; fuzzing skipped"
  exit 0
fi
build="${RATIO_FUZZ_BUILD:-build/fuzz}"
seconds="${FUZZ_SECONDS:-20}"
targets=(fuzz_value_text fuzz_rates_document fuzz_batch_line)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DRATIO_FUZZ=ON -DRATIO_WERROR=ON > /dev/null
cmake --build "$build" --target "${targets[@]}" -j "${FUZZ_JOBS:-$(nproc)}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  seeds="tests/cli/fuzz-corpus/${target#fuzz_}"
  mkdir -p "$work/$target"
  echo "fuzz.sh: $target for ${seconds}s"
  # New inputs go to a scratch corpus; findings (crash-*) are kept in the build folder.
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -artifact_prefix="$build/fuzz/" -print_final_stats=1 \
    "$work/$target" "$seeds" 2>&1 | tail -n 12 || {
    echo "fuzz.sh: $target failed; the input that did it:"
    ls "$build"/fuzz/crash-* "$build"/fuzz/leak-* "$build"/fuzz/timeout-* 2>/dev/null || true
    exit 1
  }
done
