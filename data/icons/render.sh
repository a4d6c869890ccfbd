#!/usr/bin/env bash
# Renders the PNG pictures beside this script from their SVG sources. The PNGs
# are kept in the repository, so a build needs no SVG renderer; run this after
# changing an SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# The application icon: bolder strokes for the small sizes.
for size in 16 24 32; do
    rsvg-convert -w "$size" -h "$size" vantrel-small.svg -o "vantrel-$size.png"
done
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" vantrel.svg -o "vantrel-$size.png"
done

# The start-up logo at its natural size and for screens at 200%.
rsvg-convert -w 240 -h 160 logo.svg -o logo.png
rsvg-convert -w 480 -h 320 logo.svg -o logo@2x.png
