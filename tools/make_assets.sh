#!/usr/bin/env bash
# Draws the banner, the band and the icon at 1x and at 2x (the @2x files Qt picks on
# high-density screens). Needs ImageMagick and fonts-liberation; not part of the build.
# Usage: tools/make_assets.sh [output folder, default assets/]
set -euo pipefail

out=${1:-"$(dirname "$0")/../assets"}
fonts=/usr/share/fonts/truetype/liberation
bold="$fonts/LiberationSans-Bold.ttf"
bold_italic="$fonts/LiberationSans-BoldItalic.ttf"
navy='#0b2a5b'
gold='#ffd34d'

# Lengths are given at 1x; s scales them.
n() { awk -v v="$1" -v s="$s" 'BEGIN { printf "%g", v * s }'; }

banner() {
    convert -size "$(n 627)x$(n 210)" gradient:'#0b295b-#206fb2' \
        -font "$bold_italic" -pointsize "$(n 64)" -fill white \
        -annotate "+$(n 28)+$(n 88)" 'Tarvex Tests' \
        -font "$bold" -pointsize "$(n 22)" -fill "$gold" \
        -annotate "+$(n 32)+$(n 132)" 'Networking practice tests' \
        -pointsize "$(n 20)" -fill '#cce4ff' \
        -annotate "+$(n 32)+$(n 169)" 'www.tarvex-tests.example' \
        -fill none -stroke "$gold" -strokewidth "$(n 5)" \
        -draw "rectangle $(n 470.5),$(n 40.5) $(n 600.5),$(n 170.5)" \
        -fill "$gold" -stroke none \
        -draw "circle $(n 535),$(n 105) $(n 560),$(n 105)" \
        -quality 90 "$1"
}

# The web address runs from bottom to top: drawn across, then turned.
band() {
    convert -size "$(n 540)x$(n 54)" xc:"$navy" \
        -font "$bold" -pointsize "$(n 30)" -fill white -gravity center \
        -annotate +0+0 'www.tarvex-tests.example' \
        -rotate -90 -type TrueColor -define png:exclude-chunks=date,time "PNG24:$1"
}

icon() {
    convert -size "$(n 32)x$(n 32)" xc:"$navy" \
        -fill "$gold" -draw "circle $(n 16),$(n 16) $(n 28),$(n 16)" \
        -font "$bold" -pointsize "$(n 16.5)" -fill "$navy" -gravity center \
        -annotate "+0+$(n 0.5)" 'T' \
        -type TrueColor -define png:exclude-chunks=date,time "PNG24:$1"
}

for s in 1 2; do
    suffix=""
    [ "$s" = 2 ] && suffix="@2x"
    banner "$out/banner$suffix.jpg"
    band "$out/band$suffix.png"
    icon "$out/icon$suffix.png"
done
