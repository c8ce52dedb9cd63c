#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvel needs; those already there are
# skipped, so a second run is quick.
#   tools/setup.sh [play|test] [PACKAGE...]
# `play`, the default, installs what building, playing and packaging the game
# need; `test` adds what the tests and benchmarks run on. Any further packages
# named are installed too.
set -euo pipefail

# Building, playing and packaging. qt6-wayland lets the game run natively on
# a Wayland desktop, as the package recommends; libxkbcommon-dev is looked
# for by Qt's own CMake files; libxcb1-dev lets the game ask an X11 window
# manager for its window's frame.
play=(
  cmake
  dpkg-dev
  file
  fonts-dejavu-core
  g++
  libgl-dev
  libxcb1-dev
  libxkbcommon-dev
  make
  pkgconf
  qt6-base-dev
  qt6-l10n-tools
  qt6-tools-dev
  qt6-wayland
)

# What the tests and benchmarks run on besides: one package a line, in
# alphabetical order. fonts-noto-cjk, which the package only suggests, lets
# the text-fit test measure Chinese, Japanese and Korean in the faces their
# players see.
test=(
  appstream
  at-spi2-core
  clang-14
  dbus-daemon
  desktop-file-utils
  devscripts
  fonts-noto-cjk
  libbenchmark-dev
  libclang-rt-14-dev
  libgtest-dev
  lintian
  python3-pyatspi
  qt6-translations-l10n
  weston
  xvfb
)

mode=play
case "${1:-}" in
  play | test) mode=$1; shift ;;
esac
packages=("${play[@]}")
[ "$mode" = test ] && packages+=("${test[@]}")
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "tools/setup.sh: these packages are missing: ${missing[*]}" >&2
    echo "tools/setup.sh: installing them needs root: run as root or install sudo" >&2
    exit 1
  fi
  # Asked here, so that a password is typed at the prompt and a user sudo
  # refuses learns what to do.
  if ! sudo -v; then
    echo "tools/setup.sh: these packages are missing: ${missing[*]}" >&2
    echo "tools/setup.sh: sudo does not let $(id -un) install them: run this as root, or have root add $(id -un) to the sudo group (adduser $(id -un) sudo, then log in again)" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "Installing ${missing[*]} and what they need; this takes a few minutes."
# apt's and dpkg's progress goes to a log that is shown only if they fail.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
quietly() {
  if ! "$@" >> "$log" 2>&1; then
    cat "$log" >&2
    echo "tools/setup.sh: failed: $*" >&2
    exit 1
  fi
}
quietly "${as_root[@]}" apt-get update
quietly "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
echo "Installed."
