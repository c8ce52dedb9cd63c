#!/usr/bin/env bash
# Fails when a translation lacks a text the game shows, or still holds one it
# no longer shows: the texts are read from the sources afresh into copies of
# the .ts files, which are left as they are.
#   check-translations.sh LUPDATE TRANSLATIONS_DIR SOURCE...
set -euo pipefail
lupdate=$1
translations=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$translations"/*.ts "$work"/
"$lupdate" -silent -locations none "$@" -ts "$work"/*.ts
status=0
for ts in "$work"/*.ts; do
  if grep -E 'type="(unfinished|vanished|obsolete)"' -B3 "$ts"; then
    echo "$(basename "$ts"): the texts above are not translated, or no longer shown"
    status=1
  fi
done
echo "$(ls "$work"/*.ts | wc -l) translations checked"
exit $status
