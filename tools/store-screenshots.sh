#!/usr/bin/env bash
# Makes the pictures that software centres show beside the game's description:
# the game's window alone, at scale 1, from default settings, on a virtual X
# display. The AppStream metadata names them and their captions.
#   tools/store-screenshots.sh [FOLDER]
# FOLDER defaults to desktop/screenshots, where the package takes them from.
set -euo pipefail
folder=$(realpath -m "${1:-$(dirname "$0")/../desktop/screenshots}")
cd "$(dirname "$0")/.."

missing=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick pngquant:pngquant; do
  command -v "${tool%%:*}" > /dev/null || missing+=("${tool#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "store-screenshots.sh needs ${missing[*]}: bash tools/setup.sh ${missing[*]}" >&2
  exit 1
fi
[ -x build/quorvel ] || make build
mkdir -p "$folder"

# The rest runs on a display of its own.
if [ -z "${DISPLAY_SERVER_PID:-}" ]; then
  exec bash tools/private-display.sh x 1280x900 bash "$0" "$folder"
fi

source tools/game-window.sh
work=$(mktemp -d)
cleanup() {
  [ -z "${game:-}" ] || kill "$game" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A settings folder of its own: default difficulty, background and scores;
# the English texts, which the metadata's captions describe.
mkdir "$work/config"
LANGUAGE= LC_ALL=C.UTF-8 start_game 1 "$work/config"

# The screen under the window, so that a dialog shown over it is in the picture.
grab() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

shot() {
  grab "$work/$1.png"
  pngquant --quality 70-95 --speed 1 --strip --force --output "$folder/$1.png" "$work/$1.png"
  echo "saved $folder/$1.png"
}

# Each key is followed by time enough for a launched piece to land.
keys() {
  for key in "$@"; do
    xdotool key --window "$window" "$key"
    sleep 0.5
  done
}

# Clicks the Nth command of the menu bar. The commands are found in a picture
# of the bar as runs of text columns, so that no font size is assumed: the
# bar ends at the first row whose left edge differs from its top, and words
# of one command are closer together than two commands are.
menu() {
  grab "$work/bar.png"
  local height centres
  height=$(convert "$work/bar.png" -crop 1x100+0+0 -depth 8 -compress none pgm:- |
    awk 'NR > 3 { for (i = 1; i <= NF; i++) v[n++] = $i } END { for (i = 1; i < n; i++) if (v[i] != v[0]) { print i; exit } }')
  centres=$(convert "$work/bar.png" -crop "x${height}+0+0" -colorspace Gray -threshold 60% -negate \
      -scale "x1!" -depth 8 -compress none pgm:- |
    awk -v start=-1 'NR > 3 { for (i = 1; i <= NF; i++) v[n++] = $i }
         END {
           for (x = 0; x <= n; x++) {
             text = x < n && v[x] > 0
             if (text) { if (start < 0 || x - end > 8) { if (start >= 0) print int((start + end) / 2); start = x } end = x }
           }
           if (start >= 0) print int((start + end) / 2)
         }')
  local count
  count=$(wc -l <<< "$centres")
  [ "$count" -eq 4 ] || { echo "found $count menu commands, not 4" >&2; exit 1; }
  xdotool mousemove --window "$window" "$(sed -n "${1}p" <<< "$centres")" $(( height / 2 )) click 1
  xdotool mousemove 0 0
  sleep 1
}

shot 1-start
keys Left Left space Right Down space Right Right Right space Left Left Left Left Down Down space \
  Right Right Right Right space Left space Right Down space Left Left Left space
shot 2-play
menu 2
shot 3-options
keys Escape
menu 3
shot 4-scores
keys Escape
menu 4
shot 5-help
