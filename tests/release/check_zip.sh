#!/usr/bin/env bash
# The portable zip holds exactly the program, its manual, the read-me and the licences; the texts are CRLF text in
# UTF-8 with a byte order mark, the licences name everything linked in, and the program starts from the extracted
# folder and ends cleanly. Usage: check_zip.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
root=$1
state=$2/wine-release-zip
. "$root/tests/release/wine_helpers.sh"
version=$(python3 "$root/tests/release/release_files.py")
archive=$root/dist/Tessaro-$version-win64.zip
[ -f "$archive" ] || { echo "FAILED: $archive is missing; make the download with: bash scripts/release.sh"; exit 1; }

check test "$(unzip -Z1 "$archive" | LC_ALL=C sort | tr '\n' ' ')" = "LIESMICH.txt LIZENZEN.txt Tessaro.exe Tessaro.pdf "
wine_env
folder=$(unix_path 'C:\Tessaro zip')
rm -rf "$folder"
unzip -q "$archive" -d "$folder"

crlf_text_with_bom() {
    [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ] && ! tr -d '\r' <"$1" | cmp -s - "$1" &&
        [ "$(grep -c $'[^\r]$' "$1")" = 0 ] && iconv -f UTF-8 -t UTF-8 "$1" >/dev/null
}
check crlf_text_with_bom "$folder/LIESMICH.txt"
check crlf_text_with_bom "$folder/LIZENZEN.txt"
for notice in "libpng" "This software is based in part on the work of the Independent JPEG Group" \
    "libjpeg-turbo" "zlib" "winpthreads" "GCC RUNTIME LIBRARY EXCEPTION"; do
    check grep -q -F "$notice" "$folder/LIZENZEN.txt"
done
check cmp -s "$folder/Tessaro.pdf" "$root/build/release/package/Tessaro.pdf"

# Started from the extracted folder, it runs, ends at a close request with exit code 0 and records that folder.
win reg delete 'HKCU\Software\Kelvandor\Tessaro' /f >/dev/null 2>&1
check start_tessaro 'C:\Tessaro zip\Tessaro.exe'
check quit_tessaro
check test "$(reg_value 'Software\Kelvandor\Tessaro' InstallDir)" = 'C:\Tessaro zip\'

rm -rf "$folder"
"$root/cmake/wine-run.sh" "$state" --stop
[ "$failures" = 0 ] || exit 1
echo "the zip is complete and its program starts from the extracted folder"
