#!/bin/sh
# Renders the committed PNG icons from tarvo-registration.svg, so that building
# the project needs no SVG renderer. Run it after changing the drawing
# (needs rsvg-convert from librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" tarvo-registration.svg --output "${size}x${size}.png"
done
