#!/usr/bin/env bash
# Renders the program's icon (data/desktop/icons/kugelmeister.svg) as the PNG
# sizes that are installed beside it. Run after changing the SVG; needs
# rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
dir=$(cd "$(dirname "$0")/../data/desktop/icons" && pwd)
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$dir/kugelmeister.svg" -o "$dir/kugelmeister-$size.png"
done
