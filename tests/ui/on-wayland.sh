#!/usr/bin/env bash
# Runs a program under a Weston compositor of its own (headless, nothing on
# screen), with Qt on Wayland and no X display it could fall back to.
#   on-wayland.sh PROGRAM [ARGUMENT...]
set -euo pipefail
runtime=$(mktemp -d)
weston=
cleanup() {
  if [ -n "$weston" ]; then
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT

# A screen big enough for the whole window, as a desktop would have, and no
# weston.ini of the user's to change it.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1280 --height=1024 \
  --no-config --socket=wayland-test --idle-time=0 > "$runtime/weston.log" 2>&1 &
weston=$!
until [ -S "$runtime/wayland-test" ]; do
  if ! kill -0 "$weston" 2>/dev/null; then
    echo "weston did not start:"; cat "$runtime/weston.log"; exit 1
  fi
  sleep 0.1
done

# The headless compositor has no seat, and Qt 6.4's Wayland input method
# follows the missing seat into a crash on the first key a text field gets;
# the compose input method, which X11 sessions use, stands in for it.
status=0
mkdir "$runtime/config"
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
  QT_IM_MODULE=compose XDG_CONFIG_HOME="$runtime/config" "$@" || status=$?
if [ $status -ne 0 ]; then
  echo "weston's log:"; cat "$runtime/weston.log"
fi
exit $status
