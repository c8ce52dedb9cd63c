#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder and checks its
# files, its dependencies, that lintian finds nothing wrong with it and that
# the packaged game starts and keeps running.
#   check-deb.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log 2>&1) || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/quorvel_*_*.deb)
case "$(basename "$package")" in
  quorvel_1.0.0_amd64.deb | quorvel_1.0.0_*.deb) ;;
  *) echo "unexpected package name: $package"; exit 1 ;;
esac

status=0
dpkg-deb -x "$package" "$work/root"
while read -r file; do
  [ -s "$work/root/usr/$file" ] || { echo "missing from the package: usr/$file"; status=1; }
done < "$here/InstalledFiles.txt"

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-dejavu-core; do
  case "$depends" in
    *"$needed"*) ;;
    *) echo "the package does not depend on $needed: $depends"; status=1 ;;
  esac
done
[ "$(dpkg-deb -f "$package" Section)" = games ] || { echo "the package is not in the games section"; status=1; }
recommends=$(dpkg-deb -f "$package" Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
  case "$recommends" in
    *"$wanted"*) ;;
    *) echo "the package does not recommend $wanted: $recommends"; status=1 ;;
  esac
done

lintian --fail-on error,warning "$package" || {
  echo "lintian finds fault with the package"; status=1; }

config=$work/config
mkdir -p "$config"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$config "$work/root/usr/games/quorvel" > "$work/game.log" 2>&1 &
game=$!
sleep 2
if kill -0 "$game" 2>/dev/null; then
  kill "$game"
  wait "$game" 2>/dev/null || true
  game=
else
  echo "the packaged game did not keep running:"; cat "$work/game.log"; status=1
fi
[ -s "$config/quorvel/vemlo.ini" ] || { echo "the packaged game did not save its settings"; status=1; }

[ $status -eq 0 ] && echo "package $(basename "$package") complete; depends on: $depends"
exit $status
