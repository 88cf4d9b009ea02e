#!/bin/sh
# Renders packaging/icons/andelstipp.svg into the PNG sizes the package installs
# (rsvg-convert from librsvg2-bin). Run after changing the drawing; the PNGs are kept.
set -e
cd "$(dirname "$0")/../packaging/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w $size -h $size andelstipp.svg -o andelstipp-$size.png
done
