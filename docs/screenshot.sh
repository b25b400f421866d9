#!/usr/bin/env bash
# Takes the README's screenshot: the app under the offscreen platform, with
# fresh settings and no rate server, in British English. RATIO_SCREENSHOT_KEYS
# types keys first: the keypad's characters, "C" for calculator mode, "U" opens
# the unit selection (where letters search), "H" the history, arrows, ⏎ and ⎋ move, tap and go
# back in a picking screen, … waits, «text» puts text on the clipboard and V
# pastes it. RATIO_LANG picks another locale (de_DE, ar_EG); RATIO_RATES_URL a
# rate server.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" RATIO_RATES_URL="${RATIO_RATES_URL:-http://127.0.0.1:9/}" \
  LANGUAGE="${RATIO_LANG:-en_GB}" LC_ALL="${RATIO_LANG:-en_GB}.UTF-8" QT_QPA_PLATFORM=offscreen \
  RATIO_SCREENSHOT="${1:-docs/screenshot.png}" build/default/app/ratio
