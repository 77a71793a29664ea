#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: wine-run.sh STATE_DIR PROGRAM.exe [ARGS...]
# The program's output is passed on when it has ended; its exit code is the script's.
#   wine-run.sh STATE_DIR --stop     ends the Wine server and the virtual display started for STATE_DIR.
#   wine-run.sh STATE_DIR --env      prints the environment (DISPLAY, WINEPREFIX, ...) as shell assignments.
# STATE_DIR (inside the build tree) holds the Wine prefix, created once, and the virtual display's number.
# TESSARO_SCREEN sets the virtual display's size. TESSARO_XINERAMA="WxH+X+Y ..." makes a display and prefix that can
# be split into several monitors: Wine's X11 driver reads its monitors through Xinerama, which lists the display's
# RandR monitors, and the display starts with these RandR monitors, the first the primary one. The tests split the
# display anew (tests/e2e/monitor_layout.cpp). Wine 8 takes a new layout only while its primary monitor keeps its
# size, and in a prefix made with a single monitor only once: after the first change to two monitors its reset of the
# display settings fails (DISP_CHANGE_FAILED). So the prefix is made with two.
# With DISPLAY unset, an Xvfb display is started and kept for later runs; the Wine server is kept running
# (wineserver -p) so that every start after the first takes well under a second.
set -euo pipefail

state=$(realpath -m "$1")
shift
mkdir -p "$state"

wine_bin=/usr/lib/wine/wine64
[ -x "$wine_bin" ] || wine_bin=$(command -v wine64 || command -v wine)
wineserver_bin=/usr/lib/wine/wineserver64
[ -x "$wineserver_bin" ] || wineserver_bin=$(command -v wineserver)

export WINEPREFIX="$state/prefix"
export WINEARCH=win64
export WINELOADER="$wine_bin"
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: the prefix is created without asking for them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

stop() {
    WINEPREFIX="$WINEPREFIX" "$wineserver_bin" -k 2>/dev/null || true
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
}

display_alive() {
    [ -f "$state/xvfb.pid" ] && [ -f "$state/display" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null &&
        xdpyinfo -display "$(cat "$state/display")" >/dev/null 2>&1
}

start_display() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        setsid Xvfb ":$n" -screen 0 "${TESSARO_SCREEN:-1280x1024x24}" -nolisten tcp -ac ${TESSARO_XINERAMA:+-noreset} \
            >"$state/xvfb.log" 2>&1 </dev/null 9>&- &
        echo $! >"$state/xvfb.pid"
        local i
        for i in $(seq 1 100); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                if [ -n "${TESSARO_XINERAMA:-}" ]; then
                    local monitor i=0 w h
                    for monitor in $TESSARO_XINERAMA; do
                        w=${monitor%%x*} h=${monitor#*x} h=${h%%+*}
                        DISPLAY=":$n" xrandr --setmonitor "Tessaro$i" "$w/$((w / 4))x$h/$((h / 4))+${monitor#*+}" \
                            "$([ $i = 0 ] && echo screen || echo none)" >/dev/null
                        i=$((i + 1))
                    done
                fi
                echo ":$n" >"$state/display"
                return 0
            fi
            kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
            sleep 0.1
        done
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid"
    done
    echo "wine-run: could not start Xvfb (see $state/xvfb.log)" >&2
    exit 1
}

if [ "${1:-}" = "--stop" ]; then
    stop
    exit 0
fi

# One test at a time sets things up; the others wait for it.
exec 9>"$state/lock"
flock 9
if [ -z "${DISPLAY:-}" ]; then
    display_alive || start_display
    export DISPLAY=$(cat "$state/display")
fi
if [ ! -f "$WINEPREFIX/.tessaro-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine_bin" wineboot -i </dev/null >/dev/null 2>&1 9>&-
    # A crash must never wait for someone to close Wine's crash dialog.
    "$wine_bin" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 9>&-
    # Windows without the X window manager's frames, as on Windows itself.
    "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 9>&-
    # Windows not handed to an X window manager: the virtual display has none, and Wine would wait up to two seconds
    # for one at every window that closes.
    "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 9>&-
    # Every Windows has Arial; here the metric twin from fonts-liberation stands in under its name. Tahoma is
    # left missing, so the program's fallback from Tahoma to Arial is what runs here. TESSARO_PLAIN_FONTS=1 makes a
    # prefix without the stand-in, where neither face exists.
    if [ -z "${TESSARO_PLAIN_FONTS:-}" ]; then
        "$wine_bin" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f \
            </dev/null >/dev/null 2>&1 9>&-
    fi
    # TESSARO_DPI=N makes a prefix whose display is scaled to N dots per inch (96 is 100 %), as Windows' display
    # scale does; the server reads it at its next start.
    if [ -n "${TESSARO_DPI:-}" ]; then
        for key in 'HKCU\Control Panel\Desktop' \
            'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
            "$wine_bin" reg add "$key" /v LogPixels /t REG_DWORD /d "$TESSARO_DPI" /f </dev/null >/dev/null 2>&1 9>&-
        done
    fi
    if [ -n "${TESSARO_XINERAMA:-}" ]; then
        "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 9>&-
    fi
    "$wineserver_bin" -w 9>&-
    touch "$WINEPREFIX/.tessaro-ready"
fi
# Starts the persistent server, or returns at once when one is running for this prefix already.
"$wineserver_bin" -p </dev/null >/dev/null 2>&1 9>&- || true
flock -u 9
exec 9>&-

if [ "${1:-}" = "--env" ]; then
    printf 'export DISPLAY=%q WINEPREFIX=%q WINEARCH=win64 WINELOADER=%q WINEDEBUG=%q WINEDLLOVERRIDES=%q\n' \
        "$DISPLAY" "$WINEPREFIX" "$wine_bin" "$WINEDEBUG" "$WINEDLLOVERRIDES"
    exit 0
fi

# Wine's helper processes (services.exe, explorer.exe, ...) outlive the program with the persistent server and
# inherit its standard handles; a caller waiting for the end of a pipe would then wait for ever. So the program
# writes into files, which are passed on when it has ended.
out=$(mktemp "$state/out.XXXXXX")
err=$(mktemp "$state/err.XXXXXX")
trap 'rm -f "$out" "$err"' EXIT
set +e
"$wine_bin" "$@" >"$out" 2>"$err"
rc=$?
set -e
cat "$out"
cat "$err" >&2
exit $rc
