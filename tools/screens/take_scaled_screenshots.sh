#!/usr/bin/env bash
# Screenshots of a real Tessaro.exe on displays scaled to 100, 125, 150, 175 and 200 %, or to the resolutions given:
#   take_scaled_screenshots.sh EXE OUT_DIR [DPI...]
# For each scale the program runs in a Wine prefix of its own whose LogPixels is set to it (build/windows/
# wine-shots-DPI), on a 3840 x 2160 virtual display, with the short guide open and the ruler over an orange box (right
# of the guide and the panel at every scale); the corner option top left is clicked, so that the panel measures the
# box and the magnifier shows the ruler's corner. OUT_DIR receives panel-PCT.png, guide-PCT.png and ruler-PCT.png for
# each percentage (rounded down).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
out=$(realpath -m "$2")
shift 2
dpis=("$@")
[ ${#dpis[@]} -eq 0 ] && dpis=(96 120 144 168 192)
mkdir -p "$out"
export TESSARO_SCREEN=3840x2160x24
program=
state=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    [ -n "$state" ] && "$root/cmake/wine-run.sh" "$state" --stop
}
trap cleanup EXIT

scale() { echo $((($1 * $2 + 48) / 96)); } # value, dpi: the program's rounding of a 96-dpi length

wait_window() { # title
    local id i
    for i in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "take_scaled_screenshots: no window \"$1\"" >&2
    return 1
}

geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/wx=/p; s/^Y=/wy=/p; s/^WIDTH=/ww=/p; s/^HEIGHT=/wh=/p')"
}

settled_shot() { # file, crop geometry: taken once two grabs agree
    local previous='' now i
    for i in $(seq 1 100); do
        now=$(import -window root -crop "$2" +repage -format '%#' info:)
        [ "$now" = "$previous" ] && break
        previous=$now
        sleep 0.1
    done
    import -window root -crop "$2" +repage -strip "PNG24:$1"
}

for dpi in "${dpis[@]}"; do
    pct=$((dpi * 100 / 96))
    state="$root/build/windows/wine-shots-$dpi"
    # Each scale on a virtual display of its own.
    unset DISPLAY
    "$root/cmake/wine-run.sh" "$state" --stop
    eval "$(TESSARO_DPI=$dpi "$root/cmake/wine-run.sh" "$state" --env)"
    appdata=$("$WINELOADER" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
    prefs_dir=$("$WINELOADER" winepath -u "$appdata\\Tessaro" 2>/dev/null | tr -d '\r')
    mkdir -p "$prefs_dir"
    printf '%s\r\n' 'ShowShortGuide = 1' 'MainWindowOnTop = 1' 'ShowTooltips = 0' 'MainWindowPosX = 10' \
        'MainWindowPosY = 10' 'RulerWindowPosX = 3300' 'RulerWindowPosY = 1150' 'RulerWindowWidth = 300' \
        'RulerWindowHeight = 150' >"$prefs_dir/Tessaro.prefs"
    "$WINELOADER" "$exe" </dev/null >"$state/tessaro.log" 2>&1 &
    program=$!
    guide=$(wait_window 'Kurzanleitung - Tessaro')
    main=$(wait_window 'Tessaro')
    wait_window 'Lineal - Tessaro' >/dev/null
    convert -size 3840x2160 xc:'#4a7fb0' -fill '#FF8000' -draw 'rectangle 3260,1100 3540,1280' "$state/desktop.png"
    for _ in $(seq 1 20); do
        display -window root "$state/desktop.png" 2>/dev/null || true
        [ "$(import -window root -crop 1x1+3270+1110 +repage -format '%[pixel:p]' info:)" = 'srgb(255,128,0)' ] && break
        sleep 0.2
    done
    # The corner option top left: (80, 75), 14 x 15 at 96 dpi, below the caption and the menu bar.
    geometry "$main"
    border=$(((ww - $(scale 270 $dpi)) / 2))
    caption=$((wh - $(scale 466 $dpi) - 2 * border))
    top=$((wy + border + caption + $(scale 19 $dpi)))
    xdotool mousemove $((wx + border + $(scale 87 $dpi))) $((top + $(scale 82 $dpi))) click 1
    xdotool mousemove 3830 2150
    geometry "$main"
    settled_shot "$out/panel-$pct.png" "${ww}x${wh}+${wx}+${wy}"
    geometry "$guide"
    settled_shot "$out/guide-$pct.png" "${ww}x${wh}+${wx}+${wy}"
    settled_shot "$out/ruler-$pct.png" "360x210+3270+1120"
    cleanup
    program=
done
echo "take_scaled_screenshots: $(ls "$out"/*.png | wc -l) screenshots in $out"
