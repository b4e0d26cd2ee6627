#!/usr/bin/env bash
# Renders the PNG sizes of the program and document icons from their SVG sources (resources/icons/*.svg) into
# resources/icons/<size>/. Run it after changing an SVG; the PNGs are kept in the repository so that building
# needs no SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for svg in *.svg; do
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" --output "$size/${svg%.svg}.png" "$svg"
    done
done
