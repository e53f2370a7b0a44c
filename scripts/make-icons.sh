#!/usr/bin/env bash
# Renders the icon in the sizes desktops look for, from desktop/icons/tarnwell.svg.
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  convert -background none tarnwell.svg -resize "${size}x${size}" "${size}x${size}/tarnwell.png"
done
