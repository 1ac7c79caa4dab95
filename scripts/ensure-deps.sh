#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages listed in deps/debian-packages.txt that are missing.
# As root it installs them; otherwise it prints the one command to run and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' deps/debian-packages.txt)
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Run as root (with sudo, or after su):"
  echo "  apt-get install -y ${missing[*]}"
  exit 1
fi
