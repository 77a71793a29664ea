#!/usr/bin/env bash
# Authenticode-signs a Windows executable in place with osslsigncode: sign.sh FILE
#   TESSARO_SIGN_CERT        the code-signing certificate (PEM or DER; with its chain, if any)
#   TESSARO_SIGN_KEY         its private key (PEM or DER)
#   TESSARO_SIGN_PASSWORD    the key's password, if it has one
#   TESSARO_SIGN_TIMESTAMP   the time-stamp server (default http://timestamp.digicert.com); when it cannot be
#                            reached, the file is signed without a time stamp
set -euo pipefail
file=$1
: "${TESSARO_SIGN_CERT:?no certificate}" "${TESSARO_SIGN_KEY:?no key}"
timestamp=${TESSARO_SIGN_TIMESTAMP:-http://timestamp.digicert.com}

args=(sign -certs "$TESSARO_SIGN_CERT" -key "$TESSARO_SIGN_KEY" -h sha256 -n Tessaro -i https://tessaro.example/)
[ -n "${TESSARO_SIGN_PASSWORD:-}" ] && args+=(-pass "$TESSARO_SIGN_PASSWORD")
signed=$(mktemp "$file.XXXXXX")
trap 'rm -f "$signed"' EXIT
if [ -n "$timestamp" ] && rm -f "$signed" && osslsigncode "${args[@]}" -ts "$timestamp" -in "$file" -out "$signed" \
    >/dev/null 2>&1; then
    :
else
    echo "sign: $(basename "$file") signed without a time stamp ($timestamp not reachable)" >&2
    rm -f "$signed"
    osslsigncode "${args[@]}" -in "$file" -out "$signed" >/dev/null
fi
mv "$signed" "$file"
trap - EXIT
