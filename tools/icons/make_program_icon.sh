#!/usr/bin/env bash
# Draws the program icon (a yellow ruler with tick marks, laid diagonally) at 16, 32 and 48 pixels with
# ImageMagick and writes resources/tessaro.ico. Run from the repository root; the result is committed.
set -euo pipefail
out=${1:-resources/tessaro.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 32 48; do
    s=$((size * 4)) # drawn large, then scaled down for clean edges
    ticks=""
    for i in $(seq 1 9); do
        x=$((s * (10 + i * 8) / 100))
        len=$(( i % 2 == 0 ? s * 16 / 100 : s * 9 / 100 ))
        ticks="$ticks line $x,$((s * 36 / 100)) $x,$((s * 36 / 100 + len))"
    done
    convert -size ${s}x${s} xc:none \
        -fill '#F2C230' -stroke '#5A4A10' -strokewidth $((s / 32 + 1)) \
        -draw "roundrectangle $((s * 6 / 100)),$((s * 34 / 100)) $((s * 94 / 100)),$((s * 66 / 100)) $((s / 20)),$((s / 20))" \
        -stroke '#3A3A3A' -strokewidth $((s / 40 + 1)) -draw "$ticks" \
        -distort SRT -35 -resize ${size}x${size} -define png:exclude-chunks=date,time \
        "PNG32:$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$out"
echo "wrote $out"
