#!/usr/bin/env bash
# Cross-builds libpng and libjpeg-turbo for Windows from Debian's source packages into a static prefix.
# Usage: build-deps.sh PREFIX WORKDIR. Runs once: a prefix that holds both libraries is reused as it is.
set -euo pipefail

prefix=$(realpath -m "$1")
work=$(realpath -m "$2")
here=$(cd "$(dirname "$0")/.." && pwd)
toolchain="$here/cmake/mingw-w64-x86_64.cmake"

if [ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/.complete" ]; then
    exit 0
fi
mkdir -p "$work" "$prefix"
cd "$work"

# apt-get source of the newest version can fail when the archive has dropped that version's files;
# then the older versions of the same source package are tried, newest first.
fetch_source() {
    local pkg=$1 dir
    dir=$(find . -maxdepth 1 -type d -name "${pkg%1.6}*-*" -print -quit)
    if [ -n "$dir" ]; then echo "$dir"; return; fi
    local versions
    versions=$(apt-cache showsrc "$pkg" | awk '/^Version:/ { print $2 }' | sort -r -V -u)
    for v in $versions; do
        rm -rf "dl-$pkg" && mkdir "dl-$pkg"
        if (cd "dl-$pkg" && apt-get source --download-only "$pkg=$v" >/dev/null 2>&1); then
            (cd "dl-$pkg" && dpkg-source --no-check -x ./*.dsc "../src-$pkg" >/dev/null)
            echo "src-$pkg"
            return
        fi
        echo "note: $pkg $v could not be fetched, trying an older version" >&2
    done
    echo "error: no version of the source package $pkg could be fetched" >&2
    exit 1
}

png_src=$(fetch_source libpng1.6)
jpeg_src=$(fetch_source libjpeg-turbo)

common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
        -DCMAKE_POSITION_INDEPENDENT_CODE=OFF)

cmake -S "$png_src" -B build-png "${common[@]}" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_BUILD_ZLIB=OFF -DSKIP_INSTALL_EXECUTABLES=ON \
    -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON >/dev/null
cmake --build build-png
cmake --install build-png >/dev/null

cmake -S "$jpeg_src" -B build-jpeg "${common[@]}" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
    -DCMAKE_INSTALL_DOCDIR="$work/jpeg-doc" -DCMAKE_INSTALL_MANDIR="$work/jpeg-man" >/dev/null
cmake --build build-jpeg
cmake --install build-jpeg >/dev/null

touch "$prefix/.complete"
