#!/usr/bin/env bash
# Installs the Debian packages Dormivo needs to build, run and test, only
# when one of them is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang
  qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools libgl-dev libgtest-dev googletest
  xvfb xauth x11-apps imagemagick fonts-dejavu-core fonts-wqy-microhei dbus dbus-daemon
  clang-format tzdata
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
