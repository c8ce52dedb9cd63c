#!/usr/bin/env bash
# Starts the game in a virtual X display and saves a picture of its window.
#   tools/screenshot.sh [SCALE] [OUTPUT.png] [KEYS...]
# SCALE is the device pixel ratio to run at (1 or 2); the KEYS, if any, are
# typed into the game first (xdotool key names, e.g. Left Down space).
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
# The picture's name is taken from where the script was called.
scale=${1:-1}
output=$(realpath -m "${2:-screenshot.png}")
cd "$(dirname "$0")/.."
shift $(( $# < 2 ? $# : 2 ))

missing=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "screenshot: needs ${missing[*]}: bash tools/setup.sh play ${missing[*]} installs them" >&2
  exit 1
fi
[ -x build/quorvel ] || make build

# The rest runs on a display of its own, as big as the window needs.
if [ -z "${DISPLAY_SERVER_PID:-}" ]; then
  exec bash tools/private-display.sh x "$(( 1280 * scale ))x$(( 900 * scale ))" bash "$0" "$scale" "$output" "$@"
fi

source tools/game-window.sh
config=$(mktemp -d)
cleanup() {
  kill "${game:-}" 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT

start_game "$scale" "${QUORVEL_CONFIG:-$config}"
for key in "$@"; do
  xdotool key --window "$window" "$key"
  sleep 0.3
done
import -window "$window" "$output"
echo "saved $output"
