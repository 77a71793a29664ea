#!/usr/bin/env bash
# Builds Tessaro.exe and runs it under Wine: on your display when DISPLAY is set, otherwise on a virtual display,
# where a screenshot is saved once the program shows its window.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tessaro

state="$root/build/windows/wine-run"
exe="$root/build/windows/Tessaro.exe"
if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Tessaro on $DISPLAY"
    exec cmake/wine-run.sh "$state" "$exe"
fi

eval "$(cmake/wine-run.sh "$state" --env)"
mkdir -p artifacts
shot="$root/artifacts/tessaro-screenshot.png"
echo "No DISPLAY: running Tessaro on the virtual display $DISPLAY"
"$WINELOADER" "$exe" </dev/null >"$state/tessaro.log" 2>&1 &
program=$!
for _ in $(seq 1 150); do
    if ! kill -0 "$program" 2>/dev/null; then
        wait "$program" && rc=0 || rc=$?
        echo "Tessaro ended with exit code $rc before showing a window; no screenshot was taken."
        exit 0
    fi
    if xdotool search --onlyvisible --name 'Tessaro' >/dev/null 2>&1; then
        sleep 1
        import -window root "$shot"
        echo "Screenshot of the running program: $shot"
        echo "Tessaro keeps running on $DISPLAY; stop it with: cmake/wine-run.sh $state --stop"
        exit 0
    fi
    sleep 0.2
done
echo "Tessaro showed no window within 30 s; it keeps running on $DISPLAY (stop: cmake/wine-run.sh $state --stop)"
