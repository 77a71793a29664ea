#!/usr/bin/env bash
# Takes the manual's screenshots of a real Tessaro.exe under Wine: take_screenshots.sh EXE OUT_DIR [STATE_DIR]
# The program runs in a Wine prefix and on a virtual display of its own (STATE_DIR, by default OUT_DIR/../wine),
# with prepared settings, over a prepared desktop picture (an orange and a blue box on a blue gradient), and is
# driven with real mouse input. OUT_DIR receives the cropped PNG files and source.txt, which names the program file
# (its SHA-256) they were taken from.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 TESSARO_EXE OUT_DIR [STATE_DIR]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
out=$(realpath -m "$2")
state=$(realpath -m "${3:-$out/../wine}")
[ -f "$exe" ] || { echo "take_screenshots: no program file $exe" >&2; exit 1; }
mkdir -p "$out" "$state"
rm -f "$out"/*.png "$out/source.txt"

# A fresh display and Wine server for every run; the prefix is kept.
export TESSARO_SCREEN=1024x768x24
unset DISPLAY
"$root/cmake/wine-run.sh" "$state" --stop
eval "$("$root/cmake/wine-run.sh" "$state" --env)"
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    "$root/cmake/wine-run.sh" "$state" --stop
}
trap cleanup EXIT

fail() {
    echo "take_screenshots: $*" >&2
    import -window root "$out/failure-screen.png" 2>/dev/null || true
    exit 1
}

# Caption buttons draw their glyphs from the Marlett font, which Windows has and a fresh Wine prefix does not: the
# prefix gets Wine's own Marlett-compatible font, so that the pictures show the glyphs and not the letters of a
# stand-in face.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# The settings the program starts with: the short guide opens, the main window stands right, the ruler lies exactly
# on the orange box (231 x 131 pixels at 20, 300), so that its top-left corner measures RGB 255,128,0.
appdata=$("$WINELOADER" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
prefs_dir=$("$WINELOADER" winepath -u "$appdata\\Tessaro" 2>/dev/null | tr -d '\r')
mkdir -p "$prefs_dir"
printf '%s\r\n' 'ShowShortGuide = 1' 'MainWindowOnTop = 1' 'ShowTooltips = 1' 'MainWindowPosX = 560' \
    'MainWindowPosY = 40' 'RulerWindowPosX = 20' 'RulerWindowPosY = 300' 'RulerWindowWidth = 231' \
    'RulerWindowHeight = 131' >"$prefs_dir/Tessaro.prefs"

# Waits for the window with exactly this title and prints its id.
wait_window() {
    local id i
    for i in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        [ -n "$program" ] && ! kill -0 "$program" 2>/dev/null && fail "Tessaro ended before showing \"$1\""
        sleep 0.1
    done
    fail "no window \"$1\" within 30 s"
}

# Reads a window's outer place and size into the variables wx, wy, ww, wh.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/wx=/p; s/^Y=/wy=/p; s/^WIDTH=/ww=/p; s/^HEIGHT=/wh=/p')"
}

region_hash() { import -window root -crop "$1" +repage -format '%#' info:; }

# Waits until the region looks the same in two grabs one after the other (a tooltip or menu has finished drawing).
wait_settled() {
    local previous='' now i
    for i in $(seq 1 100); do
        now=$(region_hash "$1")
        [ "$now" = "$previous" ] && return 0
        previous=$now
        sleep 0.1
    done
    fail "the screen at $1 did not settle"
}

# Waits until the region differs from the given hash.
wait_changed() {
    local i
    for i in $(seq 1 100); do
        [ "$(region_hash "$1")" != "$2" ] && return 0
        sleep 0.1
    done
    fail "the screen at $1 did not change"
}

shot() { # name, crop geometry
    wait_settled "$2"
    import -window root -crop "$2" +repage -strip "PNG24:$out/$1.png"
}

"$WINELOADER" "$exe" </dev/null >"$state/tessaro.log" 2>&1 &
program=$!

# 1. The short guide, as it opens at the first start.
guide=$(wait_window 'Kurzanleitung - Tessaro')
main=$(wait_window 'Tessaro')
ruler=$(wait_window 'Lineal - Tessaro')
# The desktop: a picture on the display's root window, laid once Wine's desktop process has started (it clears
# the root window).
convert -size 1024x768 gradient:'#2d5f8a-#a9c8e3' -fill '#FF8000' -draw 'rectangle 20,300 250,430' \
    -fill '#336699' -draw 'rectangle 300,480 520,600' "$state/desktop.png"
# display sets the root window's background and ends with status 1 all the same; the pixel tells.
for _ in $(seq 1 20); do
    display -window root "$state/desktop.png" 2>/dev/null || true
    [ "$(import -window root -crop 1x1+30+310 +repage -format '%[pixel:p]' info:)" = 'srgb(255,128,0)' ] && break
    sleep 0.2
done

xdotool mousemove 1010 760
geometry "$guide"
shot kurzanleitung "${ww}x${wh}+${wx}+${wy}"
# Its OK button: 90 x 25 at (600, 465) of its 700 x 500 inner area.
border=$(((ww - 700) / 2))
xdotool mousemove $((wx + border + 645)) $((wy + wh - border - 500 + 477)) click 1
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Kurzanleitung - Tessaro$' >/dev/null 2>&1 || break
    sleep 0.1
done

# 2. The control panel after a click on the corner option top left. The panel's controls stand below the
# caption and the menu bar (19 pixels under Wine's standard metrics); the colour swatch proves the click landed.
geometry "$main"
border=$(((ww - 270) / 2))
caption=$((wh - 466 - 2 * border))
menu_top=$((wy + border + caption))
top=$((menu_top + 19))
left=$((wx + border))
xdotool mousemove $((left + 87)) $((top + 82)) click 1
xdotool mousemove 1010 760
swatch=
for _ in $(seq 1 100); do
    swatch=$(import -window root -crop "1x1+$((left + 132))+$((top + 298))" +repage -format '%[pixel:p]' info:)
    [ "$swatch" = 'srgb(255,128,0)' ] && break
    sleep 0.1
done
[ "$swatch" = 'srgb(255,128,0)' ] || fail "the corner click did not measure the orange box (swatch $swatch)"
shot bedienfeld "${ww}x${wh}+${wx}+${wy}"

# 3. The ruler over the desktop picture, composed as Windows composes a layered window: every pixel of the ruler at
# its alpha of 192/255 over what lies below, the pixels of its key colour (the peephole at the measured corner) not
# at all. Wine draws the ruler opaque on an X display without a compositing manager, and cuts the key colour's pixels
# out of the window's shape: so the picture is composed here from the desktop below the ruler (the picture laid on the
# root window), the ruler window's own picture and the screen where the ruler stands. Where the window's picture
# and the screen differ, the shape lets the desktop through: the peephole, left open. The whole screen so composed
# ($state/composed.png, beside Wine's own, $state/screen.png) is what the magnifier shows on Windows.
ruler_shot() { # name, crop geometry WxH+X+Y of the screen holding the ruler
    local wx wy ww wh
    geometry "$ruler"
    ruler_x=$wx
    ruler_y=$wy
    wait_settled "${ww}x${wh}+${wx}+${wy}"
    import -window "$ruler" +repage "$state/ruler-own.png"
    import -window root +repage "$state/screen.png"
    convert "$state/screen.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$state/ruler-shown.png"
    convert "$state/desktop.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$state/ruler-under.png"
    convert "$state/ruler-under.png" "$state/ruler-own.png" "$state/ruler-shown.png" \
        -fx '(u[1].r == u[2].r && u[1].g == u[2].g && u[1].b == u[2].b) ? (u * 63 + u[1] * 192) / 255 : u' \
        "$state/ruler-blended.png"
    convert "$state/screen.png" "$state/ruler-blended.png" -geometry "+$wx+$wy" -composite "$state/composed.png"
    convert "$state/composed.png" -crop "$2" +repage -strip "PNG24:$out/$1.png"
}
ruler_shot lineal "540x340+0+270"

# The magnifier shows the 21 x 21 screen pixels round the corner (the ruler's top-left one), each as a block of
# 3 x 3, with the red square drawn round the middle one. Under Wine they show the opaque ruler; on Windows the
# composed screen. Where the view shows exactly Wine's screen, it gets the composed one; the red square stays.
magnifier_as_windows() { # picture, x and y of the magnifier view in it, most pixels the view may have of its own
    local area="21x21+$((ruler_x - 10))+$((ruler_y - 10))" own
    convert "$state/composed.png" -crop "$area" +repage -scale 300% "$state/view-windows.png"
    convert "$state/screen.png" -crop "$area" +repage -scale 300% "$state/view-wine.png"
    convert "$1" -crop "63x63+$2+$3" +repage "$state/view-shown.png"
    own=$(compare -metric AE "$state/view-wine.png" "$state/view-shown.png" null: 2>&1 || true)
    [ "$own" -le "$4" ] || fail "the magnifier in $1 does not show the screen round the corner ($own pixels differ)"
    convert "$state/view-windows.png" "$state/view-wine.png" "$state/view-shown.png" \
        -fx '(u[1].r == u[2].r && u[1].g == u[2].g && u[1].b == u[2].b) ? u : u[2]' "$state/view-new.png"
    convert "$1" "$state/view-new.png" -geometry "+$2+$3" -composite -strip "PNG24:$1"
}
# The view's place in a picture of the panel taken from its outer top-left corner.
view_x=$((left - wx + 101))
view_y=$((top - wy + 96))
magnifier_as_windows "$out/bedienfeld.png" "$view_x" "$view_y" 8

# 4. The magnifier, enlarged four times pixel for pixel: its frame and the red square round the measured pixel.
convert "$out/bedienfeld.png" -crop "65x65+$((view_x - 1))+$((view_y - 1))" +repage -scale 400% -strip \
    "PNG24:$out/lupe.png"
# The parts of the panel the task chapters point at: the edges and the size, the colour, the window's facts.
panel_part() { # name, top and height in the panel's client area
    convert "$out/bedienfeld.png" -crop "270x$3+$((left - wx))+$((top - wy + $2))" +repage -strip "PNG24:$out/$1.png"
}
panel_part aufgabe-messen 0 246
panel_part aufgabe-farbe 256 86
panel_part aufgabe-fenster 344 100

# 5. The two menus with items, opened by clicks on their titles in the menu bar.
menu_area="${ww}x230+${wx}+${wy}"
closed=$(region_hash "$menu_area")
open_menu() { # name, x of the title in the menu bar
    xdotool mousemove $((left + $2)) $((menu_top + 10)) click 1
    wait_changed "$menu_area" "$closed"
    shot "$1" "$menu_area"
    # The open menu may cover part of the magnifier: that part is the menu's.
    magnifier_as_windows "$out/$1.png" "$view_x" "$view_y" $((63 * 63))
    xdotool key Escape key Escape
    xdotool mousemove 1010 760
    for _ in $(seq 1 100); do
        [ "$(region_hash "$menu_area")" = "$closed" ] && return 0
        sleep 0.1
    done
    fail "the menu of $1 did not close"
}
open_menu menue-einstellungen 73
open_menu menue-hilfe 128

# 6. The pictures of the task chapters on the edge searches and the units: the submenu of the edge searches'
# tolerance, opened from the settings menu by its access key; the ruler in millimetres (Wine knows no monitor's size
# and estimates 96 dpi: 231 pixels are 61,1 mm); the calibration window.
wide_area="$((ww + 160))x230+${wx}+${wy}"
closed_wide=$(region_hash "$wide_area")
settings_menu() { # the access keys to press in the open settings menu
    xdotool mousemove $((left + 73)) $((menu_top + 10)) click 1
    wait_changed "$menu_area" "$closed"
    xdotool key "$@"
}
settings_menu k
wait_changed "$wide_area" "$closed_wide"
shot menue-kantentoleranz "$wide_area"
magnifier_as_windows "$out/menue-kantentoleranz.png" "$view_x" "$view_y" $((63 * 63))
xdotool key Escape key Escape key Escape
xdotool mousemove 1010 760
for _ in $(seq 1 100); do
    [ "$(region_hash "$wide_area")" = "$closed_wide" ] && break
    sleep 0.1
done
[ "$(region_hash "$wide_area")" = "$closed_wide" ] || fail "the submenu of the tolerance did not close"

ruler_area="540x340+0+270"
in_pixels=$(region_hash "$ruler_area")
settings_menu m m
wait_changed "$ruler_area" "$in_pixels"
ruler_shot lineal-mm "$ruler_area"

settings_menu b
calibration=$(wait_window 'Bildschirm vermessen - Tessaro')
geometry "$calibration"
shot vermessen "${ww}x${wh}+${wx}+${wy}"
xdotool key Escape
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Bildschirm vermessen - Tessaro$' >/dev/null 2>&1 || break
    sleep 0.1
done

{
    echo "program $(sha256sum "$exe" | cut -d' ' -f1)"
    for f in "$out"/*.png; do echo "$(basename "$f") $(identify -format '%wx%h %#' "$f")"; done
} >"$out/source.txt"
echo "take_screenshots: $(ls "$out"/*.png | wc -l) screenshots of $exe in $out"
