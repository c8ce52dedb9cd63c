#!/usr/bin/env bash
# Checks tools/private-display.sh: for each kind of display, the command runs
# with that display and not the other kind's, its status comes back, and the
# server is gone when the command has ended.
#   check-private-display.sh SOURCE_DIR
set -euo pipefail
display_script=$1/tools/private-display.sh
status=0
# Prints the server's process, after checking the display the command gets.
probe='
  case $0 in
    x) [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] ;;
    wayland) [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && [ -z "${DISPLAY:-}" ] ;;
  esac || { echo "no $0 display: DISPLAY=${DISPLAY:-} WAYLAND_DISPLAY=${WAYLAND_DISPLAY:-}" >&2; exit 9; }
  echo "$DISPLAY_SERVER_PID"
  exit "$1"'
for kind in x wayland; do
  for wanted in 0 3; do
    code=0
    server=$(DISPLAY=:9871 WAYLAND_DISPLAY=quorvel-absent bash "$display_script" "$kind" 640x480 \
      bash -c "$probe" "$kind" "$wanted" 2>/dev/null) || code=$?
    [ "$code" -eq "$wanted" ] || { echo "$kind: the command's status $wanted came back as $code"; status=1; }
    if [ -z "$server" ] || kill -0 "$server" 2>/dev/null; then
      echo "$kind: the server (${server:-none}) did not start or outlived the command"; status=1
    fi
  done
done
[ $status -eq 0 ] && echo "private X and Wayland displays start, pass the status on and stop"
exit $status
