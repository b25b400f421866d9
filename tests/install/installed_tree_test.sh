#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves that tree elsewhere and
# runs the installed programs there with the build and source folders out of
# reach (an empty file system mounted over each, in a mount namespace of
# their own, where the system allows one): ratio-cli fetches and keeps rates
# through its helper and converts with them, the app fetches and keeps rates
# through its module, and ratio --version answers without a display.
#   installed_tree_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

if [ "${1:-}" = --masked ]; then
  shift
  build="$1" source="$2" work="$3"
  mount -t tmpfs none "$build"
  mount -t tmpfs none "$source"
  cd "$work"
else
  build="$(cd "$1" && pwd)" source="$(cd "$2" && pwd)"
  work="$(mktemp -d)"
  trap 'kill $(cat "$work/server.pid" 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
  cmake --install "$build" --prefix "$work/stage" > /dev/null
  mv "$work/stage" "$work/moved"
  cp "$0" "$work/test.sh"
  if unshare -m true 2> /dev/null; then
    unshare -m bash "$work/test.sh" --masked "$build" "$source" "$work"
  else
    echo "installed tree: no mount namespace here; the build folder stays reachable"
    bash "$work/test.sh" --masked-not "$build" "$source" "$work"
  fi
  exit
fi
prefix="$work/moved"
masked=$([ "${1:-}" = --masked-not ] && echo no || echo yes)
failed=0 passed=0
check() { # check NAME COMMAND...: a named check that passes when COMMAND does
  local name="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    failed=$((failed + 1))
  fi
}

[ "$masked" = yes ] && check "the build folder is out of reach" eval '[ ! -e "$build/CMakeCache.txt" ]'

# No installed file refers to the build tree in what the programs read.
refers_to_build() {
  local file
  for file in "$prefix"/bin/* "$prefix"/lib*/ratio/* "$prefix"/lib/*/ratio/* "$prefix"/libexec/ratio/*; do
    [ -f "$file" ] || continue
    readelf -d "$file" | grep -q -i path && return 0
    objcopy -O binary --only-section=.rodata "$file" "$work/rodata" 2> /dev/null || continue
    grep -q -F "$build" "$work/rodata" && return 0
  done
  return 1
}
check "no run path and no build-tree path in the installed programs" eval '! refers_to_build'

# The man pages name the places of the prefix they were installed to, and the version.
check "man pages name the installed helper, module and version" eval \
  'zcat "$prefix"/share/man/man1/ratio-cli.1.gz | grep -q -F "$work/stage/" &&
   zcat "$prefix"/share/man/man1/ratio.1.gz | grep -q "$work/stage/.*ratio-rates.so" &&
   zcat "$prefix"/share/man/man1/ratio*.1.gz | grep "^\.TH" | grep -c "\"Ratio [0-9]" | grep -qx 2'

# A rate server on 127.0.0.1, for at most five minutes.
mkdir -p "$work/site"
echo "<Cube><Cube time='2026-12-04'><Cube currency='USD' rate='1.0854'/></Cube></Cube>" \
  > "$work/site/rates.xml"
timeout 300 python3 -u -m http.server -b 127.0.0.1 -d "$work/site" 0 > "$work/server.log" 2>&1 &
echo $! > "$work/server.pid"
for _ in $(seq 100); do
  port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
url="http://127.0.0.1:$port/rates.xml"

# Each program runs as a user would: a fresh home, British English, no display.
as_user() { # as_user HOME COMMAND...
  local home="$1"
  shift
  env -i PATH=/usr/bin:/bin HOME="$home" LANG=en_GB.UTF-8 LANGUAGE=en_GB RATIO_RATES_URL="$url" "$@"
}

home="$work/cli-home"
check "ratio-cli update-rates fetches through its helper" \
  eval 'as_user "$home" "$prefix/bin/ratio-cli" --timeout 20 update-rates > /dev/null'
check "ratio-cli converts currencies with the kept rates" eval \
  '[ "$(as_user "$home" "$prefix/bin/ratio-cli" convert 10 EUR USD)" = "10.854 \$" ]'

home="$work/app-home"
check "the app downloads and keeps rates through its module" eval \
  'as_user "$home" QT_QPA_PLATFORM=offscreen RATIO_SCREENSHOT="$work/app.png" \
     RATIO_SCREENSHOT_KEYS="……" "$prefix/bin/ratio" 2> "$work/app.err" &&
   test -s "$home/.local/share/Ratio/Ratio/kept-rates" && ! grep -q "No currency rates" "$work/app.err"'
# Without its module the app warns once and runs on the rates it kept.
rm "$prefix"/lib*/ratio/ratio-rates.so "$prefix"/lib/*/ratio/ratio-rates.so 2> /dev/null || true
check "without the module the app warns once and runs" eval \
  'as_user "$home" QT_QPA_PLATFORM=offscreen RATIO_SCREENSHOT="$work/app.png" \
     "$prefix/bin/ratio" 2> "$work/app.err" && [ "$(grep -c "No currency rates" "$work/app.err")" = 1 ]'
check "ratio --version answers without a display" eval \
  'as_user "$home" "$prefix/bin/ratio" --version | grep -q "^ratio [0-9]"'

echo "installed tree: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
