#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: does nothing when every package is already there.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
  libgif-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic
  fonts-motoya-l-maruberi qt6-translations-l10n qt6-svg-dev desktop-file-utils appstream xvfb xauth xdotool imagemagick python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
