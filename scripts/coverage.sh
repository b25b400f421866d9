#!/usr/bin/env bash
# Builds the coverage preset, runs every test, and prints the line coverage of
# the product code per folder, then the least-covered files. Slow (an
# unoptimised build of everything and the whole suite), so not part of
# scripts/test.sh. The installed-tree test is left out: every instrumented
# program names its counter files in the build tree, which that test forbids.
#
#     scripts/coverage.sh                  # per folder, and the 12 least-covered files
#     COVERAGE_FILES=30 scripts/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --dev
build=build/coverage
cmake --preset coverage
cmake --build --preset coverage -j "$(nproc)"
# Counts from an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete
ctest --preset coverage -j "$(nproc)" || echo "some tests failed; the figures below still count what ran"
summary="$build/coverage.json"
gcovr --root . --object-directory "$build" --json-summary "$summary" \
    --filter '(engine|units|localization|platform|app|cli)/' --exclude '.*/LanguageTables\.cpp' \
    --exclude '.*_autogen/' --exclude-directories '.*/CMakeFiles/[0-9.]+' >/dev/null
python3 - "$summary" "${COVERAGE_FILES:-12}" <<'EOF'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
folders = {}
for f in files:
    top = f["filename"].split("/")[0]
    covered, total = folders.get(top, (0, 0))
    folders[top] = (covered + f["line_covered"], total + f["line_total"])
print(f"{'folder':14} {'lines':>7} {'covered':>8} {'share':>6}")
for top in ["engine", "units", "localization", "platform", "app", "cli"]:
    covered, total = folders.get(top, (0, 0))
    print(f"{top:14} {total:7} {covered:8} {100 * covered / max(total, 1):5.1f}%")
covered = sum(c for c, _ in folders.values())
total = sum(t for _, t in folders.values())
print(f"{'all':14} {total:7} {covered:8} {100 * covered / max(total, 1):5.1f}%")
print("\nleast covered (lines not run):")
files.sort(key=lambda f: f["line_covered"] - f["line_total"])
for f in files[: int(sys.argv[2])]:
    print(f"  {f['line_total'] - f['line_covered']:4} of {f['line_total']:4}  {f['filename']}")
EOF
