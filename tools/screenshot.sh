#!/usr/bin/env bash
# Starts the game in a virtual X display and saves a picture of its window.
#   tools/screenshot.sh [SCALE] [OUTPUT.png] [KEYS...]
# SCALE is the device pixel ratio to run at (1 or 2); the KEYS, if any, are
# typed into the game first (xdotool key names, e.g. Left Down space).
set -euo pipefail
cd "$(dirname "$0")/.."

scale=${1:-1}
output=${2:-screenshot.png}
shift $(( $# < 2 ? $# : 2 ))

bash tools/setup.sh xvfb xauth xdotool imagemagick
[ -x build/quorvel ] || make build

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 "$(( 1280 * scale ))x$(( 900 * scale ))x24" -nolisten tcp &
xvfb=$!
config=$(mktemp -d)
cleanup() {
  kill "${game:-}" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT
sleep 1

DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=${QUORVEL_CONFIG:-$config} build/quorvel &
game=$!
window=
for _ in $(seq 50); do
  window=$(DISPLAY=$display xdotool search --name '^Quorvel$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
sleep 1
for key in "$@"; do
  DISPLAY=$display xdotool key --window "$window" "$key"
  sleep 0.3
done
DISPLAY=$display import -window "$window" "$output"
echo "saved $output"
