#!/bin/sh
# Writes the eraser cursors 900 to 930: a 32x32 image with a ring as wide as the
# largest eraser of its size class, centred on the hot spot (16, 16).
set -e
cd "$(dirname "$0")"
for pair in 900:4 905:9 910:14 915:18 920:24 925:28 930:30; do
    id=${pair%%:*}
    diameter=${pair##*:}
    radius=$(echo "$diameter" | awk '{ printf "%g", $1 / 2 }')
    cat > "eraser_cursor_$id.svg" <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<!-- Eraser cursor $id: ring of diameter $diameter around the hot spot (16, 16). -->
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <circle cx="16" cy="16" r="$radius" fill="#ffffff" fill-opacity="0.35" stroke="#ffffff" stroke-width="2"/>
  <circle cx="16" cy="16" r="$radius" fill="none" stroke="#000000" stroke-width="1"/>
  <path d="M 16 14.5 V 17.5 M 14.5 16 H 17.5" stroke="#000000" stroke-width="1"/>
</svg>
SVG
done
