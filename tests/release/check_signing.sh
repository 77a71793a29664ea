#!/usr/bin/env bash
# The signing hook with a throw-away self-made certificate: the program, the installer and the uninstaller packed into
# it come out Authenticode-signed and verify; with the time-stamp server out of reach they are signed without one.
# Usage: check_signing.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
root=$1
work=$2/release-signing
failures=0
check() { "$@" || { echo "FAILED: $*"; failures=$((failures + 1)); }; }
for needed in "$root/build/release/Tessaro.exe" "$root/build/release/package/Tessaro.pdf"; do
    [ -f "$needed" ] || { echo "FAILED: $needed is missing; make the download with: bash scripts/release.sh"; exit 1; }
done
rm -rf "$work"
mkdir -p "$work"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tessaro Test Signing" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
export TESSARO_SIGN_CERT=$work/cert.pem TESSARO_SIGN_KEY=$work/key.pem
export TESSARO_SIGN_TIMESTAMP=http://127.0.0.1:9/ # nothing listens there: as when offline
verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 || { cat "$work/verify.log"; false; }; }

cp "$root/build/release/Tessaro.exe" "$work/Tessaro.exe"
check bash "$root/tools/release/sign.sh" "$work/Tessaro.exe" 2>"$work/sign.log"
check grep -q "without a time stamp" "$work/sign.log"
check verify "$work/Tessaro.exe"

# makensis signs the uninstaller before packing it and the installer at the end; each file is verified as it is
# signed, since the uninstaller exists only at that moment.
cat >"$work/sign-and-verify.sh" <<EOS
bash "$root/tools/release/sign.sh" "\$1" 2>/dev/null &&
    osslsigncode verify -CAfile "$work/cert.pem" -in "\$1" >/dev/null 2>&1 && echo signed >>"$work/signed.txt"
EOS
version=$(python3 "$root/tests/release/release_files.py")
check makensis -V1 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$root/build/release/package" -DOUTFILE="$work/setup.exe" \
    -DSIGN_COMMAND="bash $work/sign-and-verify.sh" "$root/installer/tessaro.nsi"
check test "$(cat "$work/signed.txt" 2>/dev/null | wc -l)" = 2
check verify "$work/setup.exe"

[ "$failures" = 0 ] || exit 1
echo "program, installer and uninstaller signed and verified"
