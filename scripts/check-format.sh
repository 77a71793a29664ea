#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the tree differs from what clang-format makes of it with the checked-in
# .clang-format. The version is pinned: another clang-format formats some constructs differently.
# Usage: check-format.sh [--fix]   (--fix formats the files in place instead)
set -uo pipefail
cd "$(dirname "$0")/.."

formatter=clang-format-14
command -v "$formatter" >/dev/null || { echo "format: $formatter is not installed (scripts/setup.sh installs it)"; exit 1; }
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
differing=()
for f in "${files[@]}"; do
    "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1 || differing+=("$f")
done
if [ "${#differing[@]}" -gt 0 ]; then
    echo "format: ${#differing[@]} files differ from clang-format (bash scripts/check-format.sh --fix formats them):"
    printf '  %s\n' "${differing[@]}"
    exit 1
fi
echo "format: ${#files[@]} files formatted as .clang-format says"
