#!/bin/sh
# The QR code library for the Windows builds: Debian's own qrencode source (the host's
# libqrencode-dev version, Debian's patches applied) cross-built with mingw-w64 as a static
# library once, into a cache folder outside the clone named by that version and a hash of
# this script and the toolchain file, and reused from there. Only the library: no tool, no
# PNG support, no tests.
# Prints the folder (include/qrencode.h, lib/libqrencode.a, licences/) as the last line on
# standard output; --path prints it without building (the folder may then be missing).
# Usage: windows-qrencode.sh [--path]
set -eu
mode=${1:-}
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs=${JOBS:-2}

source_of() {
  dpkg-query -W -f='${source:Package} ${source:Version}' "$1" 2>/dev/null || {
    "$root/scripts/ensure-packages.sh" "$1" >&2
    dpkg-query -W -f='${source:Package} ${source:Version}' "$1"
  }
}
set -- $(source_of libqrencode-dev)
name=$1 version=$2
hash=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${ANDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/andelstipp}
key="${version#*:}-mingw-$hash"
out="$cache/qrencode-$key"
if [ "$mode" = --path ] || [ -f "$out/lib/libqrencode.a" ]; then
  echo "$out"
  exit 0
fi

"$root/scripts/ensure-packages.sh" cmake make dpkg-dev g++-mingw-w64-x86-64-posix >&2
log() { echo "windows-qrencode: $*" >&2; }

work="$cache/.qrencode-build-$key"
. "$root/scripts/cache-build-lock.sh"
one_build_at_a_time "$work" "$out" lib/libqrencode.a
rm -rf "$work"
mkdir -p "$work"
# A mirror that lacks the packaging part (debian.tar.xz) still serves the upstream tarball the
# source package is made of: that is taken then, checked against the .dsc's SHA256.
if ! "$root/scripts/debian-source.sh" "$work" "$name" "$version"; then
  log "Debian's packaging part of $name $version is not to be had; building its upstream tarball"
  apt="$work/.apt"
  # shellcheck disable=SC2046
  uri=$(apt-get -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts" \
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= \
    source --print-uris "$name=$version" | grep "\.orig\.tar\." | head -1)
  set -- $uri
  [ $# -ge 4 ] || { log "no upstream tarball of $name $version"; exit 1; }
  /usr/lib/apt/apt-helper download-file "$(echo "$1" | tr -d "'")" "$work/$2" "$4" >&2
  mkdir -p "$work/$name"
  tar -xf "$work/$2" -C "$work/$name" --strip-components=1
fi
stage="$work/stage"
mkdir -p "$stage/include" "$stage/lib" "$stage/licences"
# Shipped with the Windows program, which holds the library (LGPL 2.1).
cp "$work/$name/COPYING" "$stage/licences/qrencode.txt"

log "building qrencode $version"
cmake -S "$work/$name" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_SHARED_LIBS=OFF -DWITH_TOOLS=OFF -DWITH_TESTS=OFF -DWITHOUT_PNG=ON >"$work/build.log" 2>&1 ||
  { tail -50 "$work/build.log" >&2; exit 1; }
cmake --build "$work/build" --target qrencode -j "$jobs" >&2
cp "$work/$name/qrencode.h" "$stage/include/"
cp "$work/build/libqrencode.a" "$stage/lib/"
# Moved in whole, so an interrupted build leaves no half-made folder in the cache.
mv "$stage" "$out"
rm -rf "$work" "$work.lock"
log "qrencode ready in $out"
echo "$out"
