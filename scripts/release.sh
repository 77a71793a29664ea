#!/usr/bin/env bash
# Makes the download in dist/: the portable zip, the installer, the package manifests and SHA256SUMS, all from the
# release build of Tessaro.exe and its manual. Does all set-up on a fresh machine (run as root).
#   TESSARO_SIGN_CERT, TESSARO_SIGN_KEY (and TESSARO_SIGN_PASSWORD, TESSARO_SIGN_TIMESTAMP): when given, the program,
#   the installer and the uninstaller are Authenticode-signed (tools/release/sign.sh); otherwise they stay unsigned.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

[ "${1:-}" = "--no-setup" ] || bash scripts/setup.sh

manual_builder=tools/manual/build_manual.sh
if [ ! -f "$manual_builder" ]; then
    echo "release: $manual_builder is missing; the manual Tessaro.pdf cannot be built, so no download is made" >&2
    exit 1
fi

cmake --preset release >/dev/null
cmake --build --preset release
version=$(sed -n -E 's/^CMAKE_PROJECT_VERSION:STATIC=(.*)$/\1/p' build/release/CMakeCache.txt)
[ -n "$version" ] || { echo "release: no project version in build/release/CMakeCache.txt" >&2; exit 1; }

sign() {
    if [ -n "${TESSARO_SIGN_CERT:-}" ] && [ -n "${TESSARO_SIGN_KEY:-}" ]; then
        bash tools/release/sign.sh "$1"
    fi
}

# The files as they are shipped, gathered first in the build tree.
stage="$root/build/release/package"
rm -rf "$stage" dist
mkdir -p "$stage" dist
cp build/release/Tessaro.exe "$stage/"
sign "$stage/Tessaro.exe"
bash "$manual_builder" build/release/Tessaro.exe "$stage"
[ -s "$stage/Tessaro.pdf" ] || { echo "release: the manual build wrote no $stage/Tessaro.pdf" >&2; exit 1; }
python3 tools/release/licences.py text "$stage/LIZENZEN.txt"
# The read-me in UTF-8 with a byte order mark and CRLF line ends, as Notepad reads it everywhere.
{
    printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' installer/LIESMICH.txt
} >"$stage/LIESMICH.txt"

zip_name="Tessaro-$version-win64.zip"
(cd "$stage" && zip -q -X -9 "$root/dist/$zip_name" Tessaro.exe Tessaro.pdf LIESMICH.txt LIZENZEN.txt)

setup_name="Tessaro-$version-setup.exe"
nsis_args=(-V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$stage" -DOUTFILE="$root/dist/$setup_name")
if [ -n "${TESSARO_SIGN_CERT:-}" ] && [ -n "${TESSARO_SIGN_KEY:-}" ]; then
    nsis_args+=(-DSIGN_COMMAND="bash $root/tools/release/sign.sh")
fi
makensis "${nsis_args[@]}" installer/tessaro.nsi

python3 tools/release/manifests.py "$version" dist
(cd dist && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum >SHA256SUMS)

echo "The download of Tessaro $version is in dist/:"
(cd dist && find . -type f -printf '  %P (%s bytes)\n' | LC_ALL=C sort)
