#!/usr/bin/env bash
# Renders the PNG sizes of the icons from their scalable drawings. The PNGs
# are committed, so a build never needs this; run it after changing an SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for svg in scalable/*/*.svg; do
  context=$(basename "$(dirname "$svg")")
  name=$(basename "$svg" .svg)
  for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/$context"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/$context/$name.png"
  done
done
