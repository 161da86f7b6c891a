#!/usr/bin/env bash
# Writes the program icon in the hicolor theme's sizes from the 32x32 XPM the window uses.
# Larger sizes keep the pixels square and sharp; smaller ones are filtered. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 22 24 32 48 64 128 256; do
  if [ "$size" -ge 32 ]; then filter=Point; else filter=Lanczos; fi
  convert brisamar_icon.xpm -filter "$filter" -resize "${size}x${size}" -strip \
    "PNG32:icons/brisamar_${size}.png"
done
