#!/usr/bin/env bash
# Builds the Debian package under a umask that lets the group write, checks
# that its folders are rwxr-xr-x all the same, unpacks it into a temporary
# folder and checks its files, its dependencies, that lintian finds nothing
# wrong with it, that it is hardened as Debian's packages are, that the
# packaged game starts and keeps running, and that it ends at once where no
# display can be reached.
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

# cpack makes the package's folders in its own install, under its umask; one
# that lets the group write, as many users' does, must not reach them. (The
# package's three members take their modes from it, which nothing here reads.)
(cd "$work" && umask 0002 && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log 2>&1) || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/quorvel_*_*.deb)
case "$(basename "$package")" in
  quorvel_1.0.0_amd64.deb | quorvel_1.0.0_*.deb) ;;
  *) echo "unexpected package name: $package"; exit 1 ;;
esac

status=0
loose=$(dpkg-deb -c "$package" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $NF }')
[ -z "$loose" ] || { echo "folders of the package not rwxr-xr-x:"; echo "$loose"; status=1; }
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
# The CJK fonts only suggested: a player of another language does without.
[ "$(dpkg-deb -f "$package" Suggests)" = fonts-noto-cjk ] && [[ "$depends, $recommends" != *fonts-noto-cjk* ]] || {
  echo "the package does not suggest fonts-noto-cjk, and that only"; status=1; }

# Even lintian's notes count, among them Debian's hardening and the
# compilers' .comment section.
lintian --display-info --fail-on error,warning,info "$package" || {
  echo "lintian finds fault with the package"; status=1; }
# Built as position-independent, with a stack protector and read-only
# relocations bound at start. The binary cannot show its fortification
# (see desktop/lintian-overrides), and Debian 12 builds without control-flow
# protection.
hardening-check --quiet --nofortify --nocfprotection "$work/root/usr/games/quorvel" || {
  echo "the packaged game is built without Debian's hardening"; status=1; }

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

# With no window system to reach, the game says so in one line and ends
# before it reads or writes its settings.
#   refuses_to_start NAME [VARIABLE=VALUE...]
refuses_to_start() {
  local name=$1 home=$work/$1 code=0 said
  shift
  mkdir "$home"
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$work" "$@" \
    XDG_CONFIG_HOME="$home" timeout 20 "$work/root/usr/games/quorvel" 2>&1) || code=$?
  [ $code -eq 1 ] || { echo "$name: the game ended with status $code, not 1"; status=1; }
  [ "$said" = "quorvel: no display to show the window on: start it from a desktop session" ] ||
    { echo "$name: the game said: $said"; status=1; }
  [ -z "$(ls -A "$home")" ] || { echo "$name: the game wrote $(ls -A "$home")"; status=1; }
}
refuses_to_start no-display
refuses_to_start x-display-absent DISPLAY=:9871
refuses_to_start wayland-display-absent QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=quorvel-absent
# The Wayland library's own complaint is held back with Qt's.
refuses_to_start wayland-no-runtime-folder QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=

[ $status -eq 0 ] && echo "package $(basename "$package") complete; depends on: $depends"
exit $status
