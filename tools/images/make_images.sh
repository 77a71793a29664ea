#!/usr/bin/env bash
# Regenerates the pictures Tessaro embeds (resources/images/) from the drawings in make_images.py.
#
#   tools/images/make_images.sh           write resources/images/ and list the files' md5 sums
#   tools/images/make_images.sh --check   draw into a scratch folder and compare byte by byte with the committed files
#
# Needs python3 (standard library only), ImageMagick's convert (Debian's imagemagick) and Liberation Sans
# (fonts-liberation). The drawing reads resources/tessaro.ico for the title bar of the guide's main window picture.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
images="$root/resources/images"
generator="$root/tools/images/make_images.py"

if [[ "${1:-}" == "--check" ]]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    python3 -B "$generator" "$scratch"
    status=0
    for file in "$scratch"/*; do
        name=$(basename "$file")
        if ! cmp -s "$file" "$images/$name"; then
            echo "differs from the committed picture: resources/images/$name" >&2
            status=1
        fi
    done
    [[ $status -eq 0 ]] && echo "resources/images/ matches the generator"
    exit $status
fi

python3 -B "$generator" "$images"
(cd "$images" && md5sum -- *)
