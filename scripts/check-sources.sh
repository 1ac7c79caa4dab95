#!/usr/bin/env bash
# Checks that every C++ source is formatted with the checked-in .clang-format and that no include
# reaches up a layer: rules includes only rules; platform only rules and platform; print code never
# the main window. Prints what is wrong and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
  echo "unformatted sources: run clang-format-14 -i on the files named above"
  status=1
fi

upward() {
  # $1: folder, $2: include prefixes it must not use
  if grep -rnE "#include \"(\.\./)*($2)/" "$1"; then
    echo "the includes above reach from $1 into a higher layer"
    status=1
  fi
}
upward src/rules 'platform|widgets|app'
upward src/platform 'widgets|app'
if grep -rn '#include "widgets/entry/mainwindow.h"' src/platform src/rules src/widgets/printer; then
  echo "print code includes the main window"
  status=1
fi
exit $status
