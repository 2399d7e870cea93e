#!/usr/bin/env bash
# Draws the menu icon at 256 pixels and scales it to the sizes the hicolor theme installs.
# Needs ImageMagick's convert. The 32 x 32 assets/icon.png the program shows stays as it is.
set -euo pipefail
out="$(cd "$(dirname "$0")/../assets/icons" && pwd)"

# Drawn four times larger and scaled down, so the edges come out smooth and sharp.
convert -size 1024x1024 xc:none \
    -fill '#0B2A5B' -draw 'roundrectangle 16,16 1007,1007 128,128' \
    -fill '#FFD34D' -draw 'circle 512,512 512,120' \
    -fill '#0B2A5B' -draw 'rectangle 344,316 680,400' \
    -fill '#0B2A5B' -draw 'rectangle 470,316 554,708' \
    -filter Lanczos -resize 256x256 -depth 8 -strip "$out/orlin-quiz-256.png"

for size in 16 32 48 64 128; do
    convert "$out/orlin-quiz-256.png" -filter Lanczos -resize "${size}x${size}" \
        -depth 8 -strip "$out/orlin-quiz-$size.png"
done
