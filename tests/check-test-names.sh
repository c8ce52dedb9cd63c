#!/usr/bin/env bash
# Checks that every test's name is short and made of letters, digits and
# `_ . / -` only: no printed bytes or memory addresses that change between
# builds.
#   check-test-names.sh BUILD_DIR
set -euo pipefail
names=$(ctest --test-dir "$1" -N | sed -n 's/^ *Test *#[0-9]*: //p')
[ -n "$names" ] || { echo "no tests listed"; exit 1; }
status=0
while read -r name; do
  if [ ${#name} -gt 120 ] || [[ ! "$name" =~ ^[A-Za-z0-9_./-]+$ ]]; then
    echo "unstable or unreadable test name: $name"
    status=1
  fi
done <<< "$names"
[ $status -eq 0 ] && echo "$(wc -l <<< "$names") test names are plain"
exit $status
