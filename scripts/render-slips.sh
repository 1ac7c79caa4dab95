#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints one filled slip of each form kind on the built-in PDF printer and turns the pages into
# docs/slip-*.png, so a reader sees where each value lands on the carrier's forms.
# Usage: scripts/render-slips.sh [build-folder]   (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target render_slips >/dev/null
tool=$(find "$build" -name render_slips -type f -perm -u+x | head -n 1)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ROVA_RENDER_DIR="$scratch" QT_QPA_PLATFORM=offscreen "$tool" >"$scratch/log" 2>&1 || {
    cat "$scratch/log" >&2
    exit 1
}
mkdir -p "$root/docs"
for pdf in "$scratch"/slip-*.pdf; do
    name=$(basename "$pdf" .pdf)
    pdftoppm -png -r 100 -singlefile "$pdf" "$root/docs/$name"
    echo "saved $root/docs/$name.png"
done
