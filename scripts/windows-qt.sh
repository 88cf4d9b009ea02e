#!/bin/sh
# Qt for the Windows desktop program: Debian's own qtbase source (the host's qt6-base
# version, whose moc/rcc/uic it builds with) cross-built with mingw-w64 once, into a cache
# folder outside the clone named by that version and a hash of the configure options, and
# reused from there. The source comes through a private sources list and state folder:
# the system's apt configuration is left as it is.
# Prints the Qt folder as the last line on standard output; --path prints it without
# building (the folder may then be missing).
# Usage: windows-qt.sh [--path]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
options="$root/cmake/windows-qt-options.cmake"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs=${JOBS:-2}

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$version" ]; then
  "$root/scripts/ensure-packages.sh" qt6-base-dev >&2
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
fi
hash=$(cat "$options" "$toolchain" | sha256sum | cut -c1-12)
cache=${ANDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/andelstipp}
qt="$cache/qt-$version-mingw-$hash"
if [ "${1:-}" = --path ] || [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$qt"
  exit 0
fi

"$root/scripts/ensure-packages.sh" cmake ninja-build perl dpkg-dev qt6-base-dev qt6-base-dev-tools \
  g++-mingw-w64-x86-64-posix >&2
log() { echo "windows-qt: $*" >&2; }
# Debian's source with its patches (scripts/debian-source.sh), then configured.
fetch_and_configure() {
  rm -rf "$work"
  mkdir -p "$work"
  "$root/scripts/debian-source.sh" "$work" qt6-base "$version"
  mv "$work/qt6-base" "$work/src"

  log "configuring (options $options, hash $hash)"
  cmake -S "$work/src" -B "$work/build" -G Ninja -C "$options" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt" >"$work/configure.log" 2>&1 || { tail -50 "$work/configure.log" >&2; exit 1; }
}

# The build folder outlives an interrupted run (the next one goes on where it stopped);
# the cache folder itself appears only complete.
work="$cache/.qt-build-$version-$hash"
. "$root/scripts/cache-build-lock.sh"
one_build_at_a_time "$work" "$qt" lib/cmake/Qt6/qt.toolchain.cmake
if [ -f "$work/build/build.ninja" ]; then
  log "going on with the interrupted build in $work"
else
  fetch_and_configure
fi
log "building with $jobs jobs (a cold build takes about 45 minutes)"
cmake --build "$work/build" -j "$jobs" >&2
# Installed under a staging root and moved in whole, so an interrupted build leaves no
# half-made Qt in the cache.
rm -rf "$work/stage"
DESTDIR="$work/stage" cmake --install "$work/build" >"$work/install.log"
mv "$work/stage$qt" "$qt"
rm -rf "$work" "$work.lock"
log "Qt ready in $qt"
echo "$qt"
