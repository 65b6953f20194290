#!/bin/sh
# Draws the program icon (varkit) and the template file icon (application-x-varkit-template)
# into resources/icons/hicolor/<size>x<size>/, the icon theme layout the desktop looks up.
# Needs ImageMagick. Run from the source tree: sh packaging/draw-icons.sh
set -eu
out=resources/icons/hicolor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Both are drawn once on a 1024-pixel canvas and scaled down for every size.
convert -size 1024x1024 xc:none \
  -fill '#1F4E8C' -stroke '#10305A' -strokewidth 28 \
  -draw 'roundrectangle 60,60 964,964 170,170' \
  -fill white -stroke none \
  -draw 'polygon 230,190 425,190 512,640 599,190 794,190 610,840 414,840' \
  "$work/app.png"

convert -size 1024x1024 xc:none \
  -fill '#E8A33D' -stroke '#8C5A14' -strokewidth 30 -draw 'stroke-linejoin round' \
  -draw 'polygon 50,250 690,250 985,512 690,774 50,774' \
  -fill white -strokewidth 22 -draw 'circle 815,512 860,512' \
  -fill '#1F4E8C' -stroke none \
  -draw 'polygon 150,330 300,330 370,600 440,330 590,330 460,700 280,700' \
  "$work/tpl.png"

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps" "$out/${size}x${size}/mimetypes"
  convert "$work/app.png" -filter Lanczos -resize "${size}x${size}" -strip \
    "PNG32:$out/${size}x${size}/apps/varkit.png"
  convert "$work/tpl.png" -filter Lanczos -resize "${size}x${size}" -strip \
    "PNG32:$out/${size}x${size}/mimetypes/application-x-varkit-template.png"
done
