# What the release checks under Wine share; sourced. Expects root (the source tree) and state (a Wine state folder
# of the check's own, under the build tree).
wine_env() { eval "$("$root/cmake/wine-run.sh" "$state" --env)"; }
# Starts with a new Wine prefix, as a machine that never saw Tessaro.
fresh_prefix() {
    "$root/cmake/wine-run.sh" "$state" --stop
    rm -rf "$state/prefix"
    wine_env
}
win() { "$root/cmake/wine-run.sh" "$state" "$@"; }
# A Windows path as the Wine prefix's Unix path.
unix_path() { "$WINELOADER" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# The value of an environment variable of the Windows side, such as LOCALAPPDATA.
win_var() { win cmd /c echo "%$1%" | tr -d '\r\n'; }
# The data of a registry value of the current user, or nothing when it is missing.
reg_value() {
    win reg query "HKCU\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]+/, ""); print; found = 1 } END { exit !found }'
}
reg_key_exists() { win reg query "HKCU\\$1" >/dev/null 2>&1; }
# Waits up to 30 s for a condition (a command); fails when it never held.
wait_until() {
    local i
    for i in $(seq 1 150); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
tessaro_window_shows() { xdotool search --onlyvisible --name '^Tessaro$' >/dev/null 2>&1; }
# Starts a Tessaro.exe in the background (its exit code in $state/exit-code once it ended) and waits for its window.
start_tessaro() {
    rm -f "$state/exit-code"
    ( win "$1" >/dev/null 2>&1; echo $? >"$state/exit-code" ) &
    wait_until tessaro_window_shows
}
# Asks the running Tessaro to close as Windows does at a log-off (WM_CLOSE) and returns its exit code.
quit_tessaro() {
    win taskkill /im Tessaro.exe >/dev/null 2>&1 || true
    wait_until test -s "$state/exit-code" || { echo "Tessaro did not end"; return 1; }
    return "$(cat "$state/exit-code")"
}
check() {
    if ! "$@"; then
        echo "FAILED: $*"
        failures=$((failures + 1))
    fi
}
failures=0
