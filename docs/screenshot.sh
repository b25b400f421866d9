#!/usr/bin/env bash
# Takes the README's screenshot: the app under the offscreen platform, with
# fresh settings and no rate server, in British English.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" RATIO_RATES_URL="http://127.0.0.1:9/" \
  LANGUAGE=en_GB LANG=en_GB.UTF-8 QT_QPA_PLATFORM=offscreen \
  RATIO_SCREENSHOT="${1:-docs/screenshot.png}" build/default/app/ratio
