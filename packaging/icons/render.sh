#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG (needs rsvg-convert, Debian package librsvg2-bin).
# The PNGs are committed; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/orlex-k7.svg -o "${size}x${size}/apps/orlex-k7.png"
done
