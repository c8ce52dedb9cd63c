# Sourced by the scripts that picture the game: starts it on the display in
# DISPLAY, at the scale given, with the settings folder given, and sets
# `game` to its process and `window` to its window, once that is mapped.
#   start_game SCALE CONFIG_FOLDER
start_game() {
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$1 XDG_CONFIG_HOME=$2 build/quorvel &
  game=$!
  window=
  for _ in $(seq 50); do
    window=$(xdotool search --name '^Quorvel$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
  sleep 1
}
