#!/usr/bin/env bash
# Runs a command on a display of its own, on which nothing is shown, and
# stops the display when the command ends:
#   tools/private-display.sh x|wayland [WIDTHxHEIGHT] COMMAND [ARGUMENT...]
# x starts Xvfb (24-bit colour, no network, no reset when the last client
# leaves) and sets DISPLAY; wayland starts a headless Weston, without the
# user's weston.ini, in a runtime folder of its own, and sets WAYLAND_DISPLAY
# and XDG_RUNTIME_DIR. The other kind's variable
# is unset, so that nothing falls back to the desktop's display.
# DISPLAY_SERVER_PID names the server's process, for those who measure it.
# The size defaults to 1280x1024. Exits with the command's status, showing
# the server's log if that is not 0.
set -euo pipefail
usage="usage: tools/private-display.sh x|wayland [WIDTHxHEIGHT] COMMAND [ARGUMENT...]"
kind=${1:-}
[ "$kind" = x ] || [ "$kind" = wayland ] || { echo "$usage" >&2; exit 2; }
shift
size=1280x1024
if [[ ${1:-} =~ ^[0-9]+x[0-9]+$ ]]; then
  size=$1
  shift
fi
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }

runtime=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT

log=$runtime/server.log
failed_to_start() {
  echo "$1 did not start:" >&2
  cat "$log" >&2
  exit 1
}

if [ "$kind" = x ]; then
  # A display number well above those desktops and xvfb-run take. Xvfb
  # refuses one that is taken and writes the number down once it is ready.
  mkfifo "$runtime/ready"
  number=
  for _ in $(seq 20); do
    wanted=$(( 300 + RANDOM % 600 ))
    Xvfb ":$wanted" -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$runtime/ready" >"$log" 2>&1 &
    server=$!
    read -r number <"$runtime/ready" || true
    [ -n "$number" ] && break
    wait "$server" 2>/dev/null || true
    server=
  done
  [ -n "$number" ] || failed_to_start Xvfb
  set -- env -u WAYLAND_DISPLAY DISPLAY=":$number" "$@"
else
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width="${size%x*}" --height="${size#*x}" \
    --no-config --socket=wayland-private --idle-time=0 >"$log" 2>&1 &
  server=$!
  until [ -S "$runtime/wayland-private" ]; do
    kill -0 "$server" 2>/dev/null || failed_to_start weston
    sleep 0.1
  done
  set -- env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-private "$@"
fi

status=0
DISPLAY_SERVER_PID=$server "$@" || status=$?
if [ $status -ne 0 ]; then
  echo "the display server's log:" >&2
  cat "$log" >&2
fi
exit $status
