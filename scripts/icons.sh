#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the icon's raster sizes, packaging/icons/NxN/fourier-analysis.png, from its one
# source, packaging/fourier-analysis.svg. Run it after changing the SVG, and commit the PNG
# files with it. Needs rsvg-convert (package librsvg2-bin).
# Usage: scripts/icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || {
  echo "icons: rsvg-convert is missing (package librsvg2-bin)" >&2
  exit 2
}
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  mkdir -p "packaging/icons/${size}x$size"
  rsvg-convert -w "$size" -h "$size" packaging/fourier-analysis.svg \
    -o "packaging/icons/${size}x$size/fourier-analysis.png"
done
echo "icons: rendered ${#sizes[@]} sizes"
