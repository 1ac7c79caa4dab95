#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures the main window as an operator first sees it, into docs/main-window.png, the print
# history window with a few slips, into docs/history-window.png, the batch window with the
# sample order files imported, into docs/batch-window.png, the preview of the half-filled slip
# (F9), into docs/preview.png, and the alignment sheet it prints (F12) on the built-in PDF printer,
# into docs/alignment-sheet.png (its top part, where the crosses and the footer are). All but the
# preview print through a CUPS scheduler of the tool's own with one slip printer queue, as a shop
# has it; the machine's own CUPS is never asked.
# Usage: scripts/screenshot-main-window.sh [build-folder]   (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target grab-main-window >/dev/null
tool=$(find "$build" -name grab-main-window -type f -perm -u+x | head -n 1)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A registered sender and a half-filled slip, in the code page the program keeps its files in.
printf '%s\r\n' '100-0001' '東京都千代田区千代田１－１' 'ロバビル３階' '株式会社ロバ商店' '03-1234-5678' |
    iconv -f UTF-8 -t CP932 >"$scratch/my0.txt"
printf '%s\r\n' '[rv_YAMATOprn]' 'E_ZIP=530-0001' 'E_AD1=大阪府大阪市北区梅田１－２－３' 'E_AD2=梅田ビル５階' \
    'E_CUS=山田　太郎' 'E_TEL=06-1111-2222' 'E_G1=書籍' 'KOSUU3=1' |
    iconv -f UTF-8 -t CP932 >"$scratch/rova_Yamato.ini"

cd "$scratch"
xvfb-run -a -s '-screen 0 1024x768x24' "$tool" "$root/docs/main-window.png"
echo "saved $root/docs/main-window.png"
xvfb-run -a -s '-screen 0 1024x768x24' "$tool" "$root/docs/history-window.png" history
echo "saved $root/docs/history-window.png"
orders="$root/tests/data/orders"
xvfb-run -a -s '-screen 0 1280x800x24' "$tool" "$root/docs/batch-window.png" \
    "$orders/rakuten.utf8.csv" "$orders/yahoo.utf8.csv" "$orders/amazon.utf8.txt" "$orders/carrier.utf8.csv"
echo "saved $root/docs/batch-window.png"
xvfb-run -a -s '-screen 0 1024x768x24' "$tool" "$root/docs/preview.png" preview "$scratch/sheet.pdf"
echo "saved $root/docs/preview.png"
# 120 dpi reads well; the top 110 mm of the A4 page hold the crosses, their names and the footer.
pdftoppm -png -r 120 -x 0 -y 0 -W 992 -H 520 -singlefile "$scratch/sheet.pdf" "$root/docs/alignment-sheet"
echo "saved $root/docs/alignment-sheet.png"
