#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ source names its licence and is formatted with the checked-in .clang-format,
# and that no include reaches up a layer: rules includes only rules; platform only rules and
# platform; outside src/widgets/entry only the wiring of the windows includes the main window.
# Prints what is wrong and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
  echo "unformatted sources: run clang-format-14 -i on the files named above"
  status=1
fi

# Every C++ source names its licence on its first line.
if missing=$(for f in "${sources[@]}"; do
  head -n 1 "$f" | grep -qxF '// SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
done) && [ -n "$missing" ]; then
  echo "$missing"
  echo "the sources above lack the first line // SPDX-License-Identifier: GPL-3.0-or-later"
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
# The program's other parts see the main window as a SlipEntry (widgets/entry/slipentry.h); only the
# wiring that creates the windows includes the window itself.
if grep -rln '#include "widgets/entry/mainwindow.h"' src |
  grep -vE '^src/widgets/(entry/[^/]+|forms\.cpp|programstart\.cpp)$'; then
  echo "the files above include the main window from outside src/widgets/entry"
  status=1
fi
exit $status
