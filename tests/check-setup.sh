#!/usr/bin/env bash
# Checks that tools/setup.sh, run by a user without sudo, or whom sudo
# refuses, while a package is missing, says what to do, rather than failing on
# a missing command or in apt. Needs root, to run the script as another user.
#   check-setup.sh SOURCE_DIR
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "not root: cannot run as another user"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$1/tools/setup.sh" "$work/"
mkdir "$work/bin"
for tool in bash dpkg-query grep id; do
  ln -s "$(command -v "$tool")" "$work/bin/$tool"
done

# Each case: a name, what tools/setup.sh must say, and the sudo the user has.
status=0
while IFS='|' read -r name expected sudo; do
  rm -f "$work/bin/sudo"
  if [ -n "$sudo" ]; then
    printf '#!/bin/sh\n%s\n' "$sudo" > "$work/bin/sudo"
    chmod 755 "$work/bin/sudo"
  fi
  if said=$(runuser -u nobody -- env PATH="$work/bin" bash "$work/setup.sh" play quorvel-test-absent-package 2>&1); then
    echo "$name: tools/setup.sh succeeded without root:"; echo "$said"; status=1; continue
  fi
  case "$said" in
    *"$expected"*) echo "$name: tools/setup.sh says: $said" ;;
    *) echo "$name: tools/setup.sh did not say what to do:"; echo "$said"; status=1 ;;
  esac
done <<'CASES'
no sudo|run as root or install sudo|
sudo refusing the user|have root add nobody to the sudo group|echo "Sorry, user nobody may not run sudo." >&2; exit 1
CASES
exit $status
