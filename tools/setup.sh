#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Quorvel need,
# and any further packages named on the command line. Only what is missing is
# installed, so a second run is quick.
set -euo pipefail

packages=(
  cmake g++ make pkgconf
  qt6-base-dev libgl-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
  # the accessibility test: a private D-Bus session, the AT-SPI bus, pyatspi, a virtual display
  dbus-daemon at-spi2-core python3-pyatspi xvfb
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
