#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG (needs librsvg2-bin). The PNGs
# are kept in the repository so that building needs no SVG renderer. The
# sizes, in pixels, come from CMake's NUMBER_TOOL_ICON_SIZES through the
# render_icons target.
set -euo pipefail
cd "$(dirname "$0")"
[ $# -gt 0 ] || { echo "usage: $0 SIZE..." >&2; exit 2; }
for size in "$@"; do
    rsvg-convert --width "$size" --height "$size" number-tool.svg --output "number-tool-$size.png"
done
