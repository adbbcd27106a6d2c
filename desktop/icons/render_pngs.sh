#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG (needs librsvg2-bin). The PNGs
# are kept in the repository so that building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
name=io.github.numbertool.NumberTool
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$name.svg" --output "$name-$size.png"
done
