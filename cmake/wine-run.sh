#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: wine-run.sh STATE_DIR [--prints] PROGRAM.exe [ARGS...]
# The program's output is passed on when it has ended; its exit code is the script's.
#   --prints                         the program writes to its standard output before anything else (GoogleTest
#                                    prints its "[==========]" line or its test list, depcheck what it decoded): when
#                                    it ends without a line there and with an exit code that Wine gives when a start
#                                    fails, its code never ran, and it is started once more (said on stderr).
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
# Several runs at once, of this build tree or of others, never share or stop what another set up: Xvfb picks a free
# display number itself (-displayfd), everything that sets up or stops holds STATE_DIR's lock, a server is gone before
# --stop returns, and a prefix is marked ready only when every step of making it succeeded.
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

# Ends the prefix's Wine server and waits until it is gone (-k waits up to ten seconds, then kills it without waiting):
# a server that is still stopping would take the next program's connection and end it before its first line.
stop_server() {
    "$wineserver_bin" -k </dev/null >/dev/null 2>&1 9>&- || true
    timeout 60 "$wineserver_bin" -w </dev/null >/dev/null 2>&1 9>&- || true
}

stop_display() {
    if [ -f "$state/xvfb.pid" ]; then
        local pid
        pid=$(cat "$state/xvfb.pid")
        if xvfb_runs "$pid"; then
            kill "$pid" 2>/dev/null || true
            local i
            for i in $(seq 1 100); do
                xvfb_runs "$pid" || break
                sleep 0.05
            done
        fi
        rm -f "$state/xvfb.pid" "$state/display"
    fi
}

# Whether a process id is a running Xvfb: not one that has ended, nor another process given the same id later.
xvfb_runs() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    [[ $stat == *"(Xvfb) "[!Z]* ]]
}

display_alive() {
    [ -f "$state/xvfb.pid" ] && [ -f "$state/display" ] && xvfb_runs "$(cat "$state/xvfb.pid")" &&
        xdpyinfo -display "$(cat "$state/display")" >/dev/null 2>&1
}

# Xvfb takes the first display number no other X server holds and writes it to the descriptor it is given once it
# accepts connections: two runs starting a display at the same moment can never pick the same number. It never
# resets, so that no program's connection meets a display in the middle of a reset when the last client has left.
start_display() {
    stop_display
    : >"$state/display-number"
    setsid Xvfb -displayfd 3 -screen 0 "${TESSARO_SCREEN:-1280x1024x24}" -nolisten tcp -ac -noreset \
        3>"$state/display-number" >"$state/xvfb.log" 2>&1 </dev/null 9>&- &
    local pid=$! i
    echo "$pid" >"$state/xvfb.pid"
    for i in $(seq 1 300); do
        grep -q . "$state/display-number" && break
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "wine-run: Xvfb ended at its start (see $state/xvfb.log)" >&2
            exit 1
        fi
        sleep 0.1
    done
    local n
    n=$(tr -dc 0-9 <"$state/display-number")
    if [ -z "$n" ] || ! xdpyinfo -display ":$n" >/dev/null 2>&1; then
        kill "$pid" 2>/dev/null || true
        echo "wine-run: Xvfb gave no display within 30 s (see $state/xvfb.log)" >&2
        exit 1
    fi
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
}

# One step of making the prefix: when it fails, the script fails with the step's output, and the prefix is not
# marked ready.
# Runs one step of making the prefix; a failed step is reported with its output and ends the script, or with
# --may-fail returns its exit code.
prefix_step() {
    local log status=0 may_fail=
    [ "$1" = "--may-fail" ] && { may_fail=1; shift; }
    log=$(mktemp "$state/step.XXXXXX")
    "$@" </dev/null >"$log" 2>&1 9>&- || status=$?
    if [ "$status" -ne 0 ]; then
        echo "wine-run: making the Wine prefix failed (exit code $status) at: $*" >&2
        cat "$log" >&2
        rm -f "$log"
        [ -n "$may_fail" ] && return "$status"
        exit 1
    fi
    rm -f "$log"
}

# Every run that sets up or stops holds the lock; a program runs without it.
exec 9>"$state/lock"
flock 9

if [ "${1:-}" = "--stop" ]; then
    stop_server
    stop_display
    exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
    display_alive || start_display
    export DISPLAY=$(cat "$state/display")
fi
if [ ! -f "$WINEPREFIX/.tessaro-ready" ]; then
    # A server left by a making that was cut short would serve the new prefix from the old one's registry.
    stop_server
    rm -rf "$WINEPREFIX"
    # Wine's first start in a new prefix now and then fails on its own (wineboot ended with "ShellExecuteEx failed:
    # Internal error" once among the many prefixes the test runs make): the prefix is made anew once, and said so.
    if ! prefix_step --may-fail "$wine_bin" wineboot -i; then
        echo "wine-run: making the Wine prefix once more" >&2
        stop_server
        rm -rf "$WINEPREFIX"
        prefix_step "$wine_bin" wineboot -i
    fi
    # A crash must never wait for someone to close Wine's crash dialog.
    prefix_step "$wine_bin" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # Windows without the X window manager's frames, as on Windows itself.
    prefix_step "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
    # Windows not handed to an X window manager: the virtual display has none, and Wine would wait up to two seconds
    # for one at every window that closes.
    prefix_step "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    # Every Windows has Arial; here the metric twin from fonts-liberation stands in under its name. Tahoma is
    # left missing, so the program's fallback from Tahoma to Arial is what runs here. TESSARO_PLAIN_FONTS=1 makes a
    # prefix without the stand-in, where neither face exists.
    if [ -z "${TESSARO_PLAIN_FONTS:-}" ]; then
        prefix_step "$wine_bin" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
            /d 'Liberation Sans' /f
    fi
    # TESSARO_DPI=N makes a prefix whose display is scaled to N dots per inch (96 is 100 %), as Windows' display
    # scale does; the server reads it at its next start.
    if [ -n "${TESSARO_DPI:-}" ]; then
        for key in 'HKCU\Control Panel\Desktop' \
            'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
            prefix_step "$wine_bin" reg add "$key" /v LogPixels /t REG_DWORD /d "$TESSARO_DPI" /f
        done
    fi
    if [ -n "${TESSARO_XINERAMA:-}" ]; then
        prefix_step "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f
    fi
    # The server that made the prefix ends by itself a few seconds after its last program; the persistent one below
    # starts only after it.
    "$wineserver_bin" -w 9>&-
    touch "$WINEPREFIX/.tessaro-ready"
fi
# Starts the persistent server, or returns at once when one is running for this prefix already (exit code 2): that
# one is persistent too, since every server of this prefix is started here and every stop waits for its end.
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

# Whether the program ended before its first line: nothing on its standard output, nothing on its standard error but
# Wine's own complaints, and an exit code Wine gives when a start fails: 0 when the program's connection to the server
# broke (it ends quietly then), 1 for the loader's and the server connection's fatal errors, 53, 57, 66 and 123 for a
# DLL missing, an entry point missing, a DLL's start failing and a broken image (the last byte of the NTSTATUS
# 0xC0000135, 0xC0000139, 0xC0000142 and 0xC000007B, silent with WINEDEBUG=-all), 131 and 137 when a stopping server
# ended it (SIGQUIT, SIGKILL).
start_failed() {
    [ ! -s "$out" ] || return 1
    ! grep -qvE '^(wine|wineserver|preloader)( client error)?:' "$err" || return 1
    case $1 in 0 | 1 | 53 | 57 | 66 | 123 | 131 | 137) return 0 ;; *) return 1 ;; esac
}

prints=0
if [ "${1:-}" = "--prints" ]; then
    prints=1
    shift
fi
set +e
"$wine_bin" "$@" >"$out" 2>"$err"
rc=$?
if [ "$prints" = 1 ] && start_failed "$rc"; then
    echo "wine-run: Wine ended $1 before its first line (exit code $rc, no output); starting it once more" >&2
    cat "$err" >&2
    "$wine_bin" "$@" >"$out" 2>"$err"
    rc=$?
fi
set -e
cat "$out"
cat "$err" >&2
exit $rc
