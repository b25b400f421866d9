#!/usr/bin/env bash
# Renders the app icon's PNG sizes from app/resources/ratio.svg, so the window
# and the desktop show it without Qt's SVG plugin. Run after changing the SVG
# (needs rsvg-convert: apt-get install librsvg2-bin) and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../app/resources"
for size in 16 22 24 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" ratio.svg -o "icons/ratio-$size.png"
done
