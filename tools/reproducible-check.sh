#!/usr/bin/env bash
# Builds the Debian package of one commit twice, from two checkouts in
# folders of different names made minutes apart, the second under another
# umask, locale and time zone, and checks that the two packages are the same
# byte for byte. cpack runs under umask 022 in both builds, for the modes of
# the package's members, and so decides the folders' modes under it too; each
# build therefore also installs the game under its own umask, and the modes
# of the two install trees must agree as well.
#   tools/reproducible-check.sh [COMMIT]
# COMMIT defaults to HEAD; changes not committed are not built. Each build
# is a full build of the game with no compiler cache, so that one build
# cannot hand its objects to the other.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The second build's locale: one that sorts and writes numbers otherwise,
# where one is installed, else C.UTF-8.
other_locale=$(locale -a 2>/dev/null | grep -v -x -E 'C|C\.(utf8|UTF-8)|POSIX' | head -n 1 || true)
other_locale=${other_locale:-C.UTF-8}

# Prints the package built from a fresh checkout in the folder named, under
# the umask, locale and time zone given, and lists the modes of its install
# tree in FOLDER/modes.
#   build_in FOLDER UMASK LOCALE TIME_ZONE
build_in() (
  umask "$2"
  export LC_ALL=$3 TZ=$4
  local source=$1/quorvel
  mkdir -p "$source"
  # Files get the time of the checkout (-m), as a clone would give them.
  git archive "$commit" | tar -x -m -C "$source"
  {
    env -u CMAKE_CXX_COMPILER_LAUNCHER cmake -S "$source" -B "$source/build" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TESTS=OFF
    cmake --build "$source/build" -j "${JOBS:-$(nproc)}" --target package_files
    # As `make package` runs it: cpack gives the package's members the
    # modes of their files.
    (cd "$source/build" && umask 022 && cpack -G DEB)
    cmake --install "$source/build" --prefix "$1/stage"
  } > "$1/build.log" 2>&1 || { cat "$1/build.log" >&2; echo "reproducible-check: the build in $1 failed" >&2; exit 1; }
  find "$1/stage" -mindepth 1 -printf '%M %P\n' | LC_ALL=C sort > "$1/modes"
  ls "$source"/build/quorvel_*.deb
)

echo "Building $(git rev-parse --short "$commit") twice; this takes two full builds of the game."
# A time zone written out (14 hours ahead of UTC), so that none is looked up.
first=$(build_in "$work/one" 0022 C UTC0)
second=$(build_in "$work/second-build" 0002 "$other_locale" XST-14)
if ! diff "$work/one/modes" "$work/second-build/modes" >&2; then
  echo "not reproducible: the modes of the two install trees differ (umask 0022, then 0002)" >&2
  exit 1
fi
if cmp -s "$first" "$second"; then
  echo "reproducible: both builds gave $(basename "$first"), sha256 $(sha256sum < "$first" | cut -d' ' -f1)"
  exit 0
fi
echo "not reproducible: the two packages differ" >&2
# The members' and the files' modes, owners and times, then the files.
for deb in "$first" "$second"; do
  { ar tv "$deb"; dpkg-deb -c "$deb"; } > "${deb%.deb}.listing"
  dpkg-deb -R "$deb" "${deb%.deb}.unpacked"
done
diff "${first%.deb}.listing" "${second%.deb}.listing" >&2 || true
diff -r "${first%.deb}.unpacked" "${second%.deb}.unpacked" >&2 || true
echo "(diffoscope, if installed, shows the differences in detail)" >&2
exit 1
