#!/usr/bin/env bash
# Installs the Debian packages that are missing: those of
# debian-packages-build.txt (building and running the programs), with --dev
# also those of debian-packages-dev.txt (tests, sanitizers, fuzzing,
# benchmarks), and those named as arguments. A package of another
# architecture ("libgmp-dev:i386") adds that architecture to dpkg first.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
lists=("$here/debian-packages-build.txt")
if [ "${1:-}" = --dev ]; then
  lists+=("$here/debian-packages-dev.txt")
  shift
fi
mapfile -t wanted < <(cat "${lists[@]}" | grep -v '^\s*#' | grep -v '^\s*$')
wanted+=("$@")
missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
for pkg in "${missing[@]}"; do
  [[ "$pkg" == *:* ]] || continue
  arch="${pkg##*:}"
  if [ "$arch" != "$(dpkg --print-architecture)" ] &&
     ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    $sudo dpkg --add-architecture "$arch"
  fi
done
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
