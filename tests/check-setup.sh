#!/usr/bin/env bash
# Checks that tools/setup.sh, run by a user without sudo while a package is
# missing, says to run it as root or to install sudo, rather than failing on
# a missing command. Needs root, to run the script as another user.
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

if said=$(runuser -u nobody -- env PATH="$work/bin" bash "$work/setup.sh" play quorvel-test-absent-package 2>&1); then
  echo "tools/setup.sh succeeded without root or sudo:"; echo "$said"; exit 1
fi
case "$said" in
  *"run as root or install sudo"*) echo "tools/setup.sh says: $said" ;;
  *) echo "tools/setup.sh did not say what to do:"; echo "$said"; exit 1 ;;
esac
