#!/usr/bin/env bash
# Runs a program under a Weston compositor of its own (headless, nothing on
# screen), with Qt on Wayland and no X display it could fall back to.
#   on-wayland.sh PROGRAM [ARGUMENT...]
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# A screen big enough for the whole window, as a desktop would have. The
# headless compositor has no seat, and Qt 6.4's Wayland input method follows
# the missing seat into a crash on the first key a text field gets; the
# compose input method, which X11 sessions use, stands in for it.
bash "$tools/private-display.sh" wayland 1280x1024 env QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
  XDG_CONFIG_HOME="$config" "$@"
