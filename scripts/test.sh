#!/usr/bin/env bash
# Builds everything and runs every test: the structure and formatting checks, native unit tests (sanitizers), the
# Windows tests, the end-to-end tests of the released Tessaro.exe and the checks of the download (scripts/release.sh)
# under Wine on virtual displays, and the fuzz targets for a short while. Does all set-up on a fresh machine.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh || { echo "setup failed"; exit 1; }

log=$(mktemp)
stop_wine() {
    local state
    for state in "$root/build/windows/wine" "$root/build/windows/wine-e2e" "$root/build/windows/wine-plain-fonts" \
        "$root/build/windows/wine-dpi-120" "$root/build/windows/wine-dpi-144" "$root/build/windows/wine-dpi-192" \
        "$root/build/windows/wine-e2e-dpi-144" "$root/build/windows/wine-monitors" "$root/build/windows/wine-release-zip" \
        "$root/build/windows/wine-release-installer"; do
        cmake/wine-run.sh "$state" --stop >/dev/null 2>&1
    done
}
trap 'rm -f "$log"; stop_wine' EXIT
status=0

echo "=== structure and formatting ==="
checks_passed=0
checks_failed=0
for check in scripts/check-structure.sh scripts/check-format.sh; do
    if bash "$check"; then checks_passed=$((checks_passed + 1)); else checks_failed=$((checks_failed + 1)); fi
done
[ "$checks_failed" -eq 0 ] || status=1

run_ctest() {
    # ctest's summary line is counted for the closing total.
    ctest --preset "$1" 2>&1 | tee -a "$log"
    return "${PIPESTATUS[0]}"
}

echo "=== native unit tests ==="
{ cmake --preset native >/dev/null && cmake --build --preset native && run_ctest native; } || status=1

# The end-to-end tests drive the release build's Tessaro.exe, and the release checks look at the download made from it.
echo "=== release build and the download ==="
bash scripts/release.sh --no-setup || status=1

echo "=== Windows build and tests under Wine ==="
{ cmake --preset windows >/dev/null && cmake --build --preset windows && run_ctest windows; } || status=1

echo "=== fuzz targets (${TESSARO_FUZZ_SECONDS:=30} s each) ==="
fuzz_passed=0
fuzz_failed=0
if cmake --preset fuzz >/dev/null && cmake --build --preset fuzz; then
    for target in build/fuzz/fuzz_*; do
        name=${target#build/fuzz/fuzz_}
        work=build/fuzz/corpus-$name
        mkdir -p "$work"
        if "$target" -max_total_time="$TESSARO_FUZZ_SECONDS" -rss_limit_mb=4096 -print_final_stats=1 \
            -artifact_prefix="build/fuzz/crash-$name-" "$work" "tests/fuzz/corpus/$name" >"build/fuzz/$name.log" 2>&1; then
            fuzz_passed=$((fuzz_passed + 1))
            echo "fuzz $name: $(grep -E '^stat::number_of_executed_units' "build/fuzz/$name.log" | awk '{print $2}') runs, no failure"
        else
            fuzz_failed=$((fuzz_failed + 1))
            tail -n 40 "build/fuzz/$name.log"
            echo "fuzz $name: FAILED"
        fi
    done
else
    fuzz_failed=1
fi
[ "$fuzz_failed" -eq 0 ] || status=1

passed=0
failed=0
while read -r pass fail; do
    passed=$((passed + pass))
    failed=$((failed + fail))
done < <(sed -n -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+)$/\2 \1/p' "$log" |
         awk '{ print $1 - $2, $2 }')
# ctest counts a skipped test as passed; its summary lists them with "(Skipped)".
skipped=$(grep -c -E '^[[:space:]]*[0-9]+ - .*\(Skipped\)$' "$log" || true)
passed=$((passed - skipped + fuzz_passed + checks_passed))
failed=$((failed + fuzz_failed + checks_failed))
[ "$failed" -eq 0 ] || status=1
echo
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status
