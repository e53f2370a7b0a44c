#!/usr/bin/env bash
# Draws the About box picture with ImageMagick: a hovercraft over a dusk plain inside a round
# amber badge, the program's name below; 213 x 251 pixels, 24 bits per pixel, no alpha.
# Writes src/about/picture.png.
set -euo pipefail
cd "$(dirname "$0")/../src/about"

scene=(
  # sun, hills and ground
  -fill '#ffd98a' -draw 'circle 150,92 150,72'
  -fill '#5b3a2a' -draw 'polygon 0,150 30,134 58,128 88,142 122,120 160,140 196,126 213,134 213,251 0,251'
  -fill '#3b2a22' -draw 'rectangle 0,160 213,251'
  # hovercraft: shadow, skirt, hull, cabin with window, gun, lift fan
  -fill '#00000059' -draw 'ellipse 106,167 62,9 0,360'
  -fill '#151515' -draw 'roundrectangle 38,150 174,164 7,7'
  -fill '#2b2b2b' -draw 'polygon 50,132 160,132 170,150 42,150'
  -fill '#3a3a3a' -draw 'polygon 84,114 128,114 138,132 76,132'
  -fill '#2b2b2b' -draw 'roundrectangle 132,119 182,125 3,3'
  -fill '#8fb8d8' -draw 'roundrectangle 96,118 116,123 2,2'
  -fill '#4a4a4a' -draw 'roundrectangle 54,137 80,145 4,4'
)

convert -size 213x251 xc:'#e9e2d0' \
  -fill '#7a4300' -draw 'circle 106,112 106,16' \
  -fill '#f29b1d' -draw 'circle 106,112 106,21' \
  \( -size 213x251 gradient:'#1d2b44-#f2b45a' "${scene[@]}" \
     \( -size 213x251 xc:black -fill white -draw 'circle 106,112 106,24' \) \
     -alpha off -compose CopyOpacity -composite \) \
  -compose Over -composite \
  -fill none -stroke '#2b2b2b' -strokewidth 3 -draw 'circle 106,112 106,24' -stroke none \
  -font DejaVu-Sans-Bold -pointsize 24 -kerning 2 -fill '#7a4300' -gravity south -annotate +0+10 'TARNWELL' \
  -alpha off -define png:color-type=2 -define png:bit-depth=8 PNG24:picture.png
