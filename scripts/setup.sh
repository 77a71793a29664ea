#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine (run as root).
# Idempotent: a second run finds the packages present and returns quickly.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest libpng-dev libjpeg62-turbo-dev zlib1g-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    libz-mingw-w64-dev dpkg-dev clang-format-14
    wine wine64 fonts-wine fonts-liberation xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick xclip
    pandoc weasyprint poppler-utils fonts-dejavu-core
    nsis osslsigncode openssl zip unzip python3 python3-yaml
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Source entries for the same archive as the binary ones, so that apt-get source finds libpng and libjpeg-turbo.
# They are derived from the machine's own apt sources; no host name is written here.
src_list=/etc/apt/sources.list.d/tessaro-src.sources
need_update=0
if [ ! -f "$src_list" ]; then
    tmp=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        [ "$f" = "$src_list" ] && continue
        # Keep only paragraphs that describe Debian's archive (those signed with the Debian keyring).
        awk 'BEGIN { RS=""; ORS="\n\n" } /Types:[ \t]*deb([ \t\n]|$)/ && /debian-archive-keyring/ {
                 sub(/Types:[ \t]*deb[^\n]*/, "Types: deb-src"); print }' "$f" >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        grep -E '^deb[[:space:]]' /etc/apt/sources.list | grep -E 'debian' | sed -E 's/^deb([[:space:]])/deb-src\1/' \
            >"${tmp}.list" || true
        if [ -s "${tmp}.list" ]; then cp "${tmp}.list" /etc/apt/sources.list.d/tessaro-src.list; fi
        rm -f "${tmp}.list"
    fi
    if [ -s "$tmp" ]; then cp "$tmp" "$src_list"; else echo "# no deb822 sources found" >"$src_list"; fi
    rm -f "$tmp"
    need_update=1
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" = 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    if [ "${#missing[@]}" -gt 0 ]; then
        apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
fi
