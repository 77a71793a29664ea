#!/usr/bin/env bash
# Two rules of the source tree that the compilers alone do not enforce:
#  1. The toolkit stands beneath the program: nothing in src/toolkit includes a header of core, windows or measure.
#  2. The platform-free files (TESSARO_PORTABLE_SOURCES and TESSARO_PORTABLE_HEADERS in CMakeLists.txt) include
#     only the C++ standard library, the decoders' libraries and other platform-free files: no Windows header,
#     whether or not the native build compiles that file.
# Prints every violation and exits 1 when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

failed=0
violation() {
    echo "structure: $*"
    failed=1
}

# --- 1. the toolkit includes nothing of the program -------------------------------------------------------------
while IFS= read -r hit; do
    violation "toolkit includes the program: $hit"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](core|windows|measure)/' src/toolkit)

# --- 2. platform-free files ---------------------------------------------------------------------------------------
cmake_list() {
    sed -n "/^set($1\$/,/^)/p" CMakeLists.txt | sed '1d;$d' | tr -d ' '
}
mapfile -t portable < <({ cmake_list TESSARO_PORTABLE_SOURCES; cmake_list TESSARO_PORTABLE_HEADERS; } | sed '/^$/d')
[ "${#portable[@]}" -gt 0 ] || violation "CMakeLists.txt lists no platform-free files"
declare -A is_portable=()
for f in "${portable[@]}"; do
    [ -f "$f" ] || violation "listed as platform-free but missing: $f"
    is_portable[$f]=1
done

# The headers a platform-free file may take from outside the tree.
allowed='^(algorithm|array|cassert|cctype|cerrno|cfloat|charconv|climits|cmath|csetjmp|cstddef|cstdint|cstdio|cstdlib|cstring|deque|functional|initializer_list|iterator|limits|map|memory|numeric|optional|source_location|span|string|string_view|tuple|type_traits|utility|vector|png\.h|jpeglib\.h|zlib\.h)$'
for f in "${portable[@]}"; do
    [ -f "$f" ] || continue
    while IFS=: read -r line header; do
        header=${header#*include}
        header=$(echo "$header" | tr -d ' \t')
        name=${header:1:${#header}-2}
        case $header in
        \<*)
            [[ $name =~ $allowed ]] || violation "$f:$line includes <$name>, which is not platform-free" ;;
        \"*)
            # Quoted includes are relative to src/ or resources/; a header CMake writes from a template in resources/
            # is as platform-free as its template.
            if [ -z "${is_portable[src/$name]+x}" ] && [ -z "${is_portable[resources/$name]+x}" ] &&
                [ -z "${is_portable[resources/$name.in]+x}" ]; then
                violation "$f:$line includes \"$name\", which is not listed as platform-free"
            fi ;;
        esac
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$f" | sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*/\1:/')
done

if [ "$failed" -eq 0 ]; then
    echo "structure: the toolkit includes nothing of the program; ${#portable[@]} platform-free files include no Windows header"
fi
exit "$failed"
