#!/bin/sh
# The workbook writer for the Windows builds: Debian's own libxlsxwriter and zlib sources
# (the host's libxlsxwriter-dev and zlib1g-dev versions) cross-built as static libraries
# with mingw-w64 once, into a cache folder outside the clone named by those versions and a
# hash of this script and the toolchain file, and reused from there. libxlsxwriter keeps
# its bundled minizip and tmpfileplus, so nothing else is needed at link time.
# Prints the folder (include/, lib/libxlsxwriter.a, lib/libz.a, licences/) as the last line on
# standard output; --path prints it without building (the folder may then be missing).
# Usage: windows-xlsxwriter.sh [--path]
set -eu
mode=${1:-}
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs=${JOBS:-2}

# Source package and version of an installed binary package (a rebuilt binary such as
# 1.1.4-2+b1 comes from the source version 1.1.4-2).
source_of() {
  dpkg-query -W -f='${source:Package} ${source:Version}' "$1" 2>/dev/null || {
    "$root/scripts/ensure-packages.sh" "$1" >&2
    dpkg-query -W -f='${source:Package} ${source:Version}' "$1"
  }
}
set -- $(source_of libxlsxwriter-dev) $(source_of zlib1g-dev)
xlsx_name=$1 xlsx_version=$2 zlib_name=$3 zlib_version=$4
hash=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${ANDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/andelstipp}
# Without the epoch ("1:"), which is no part of a file name.
key="$xlsx_version-zlib-${zlib_version#*:}-mingw-$hash"
out="$cache/xlsxwriter-$key"
if [ "$mode" = --path ] || [ -f "$out/lib/libxlsxwriter.a" ]; then
  echo "$out"
  exit 0
fi

"$root/scripts/ensure-packages.sh" cmake make dpkg-dev g++-mingw-w64-x86-64-posix >&2
log() { echo "windows-xlsxwriter: $*" >&2; }
configure() {  # SOURCE BUILD [CMAKE-OPTION]...
  src=$1 build=$2
  shift 2
  cmake -S "$src" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release "$@" \
    >"$build.log" 2>&1 || { tail -50 "$build.log" >&2; exit 1; }
}

# One change to the libxlsxwriter source; a source it no longer fits stops the build.
edit() {  # FILE SED-SCRIPT
  cp "$work/$xlsx_name/$1" "$work/edit"
  sed -i "$2" "$work/$xlsx_name/$1"
  if cmp -s "$work/edit" "$work/$xlsx_name/$1"; then log "$1 has nothing for '$2'"; exit 1; fi
}

work="$cache/.xlsxwriter-build-$key"
. "$root/scripts/cache-build-lock.sh"
one_build_at_a_time "$work" "$out" lib/libxlsxwriter.a
rm -rf "$work"
mkdir -p "$work"
"$root/scripts/debian-source.sh" "$work" "$xlsx_name" "$xlsx_version" "$zlib_name" "$zlib_version"
stage="$work/stage$out"
mkdir -p "$stage/include" "$stage/lib" "$stage/licences"
# Shipped with the Windows program, which holds both libraries.
cp "$work/$xlsx_name/License.txt" "$stage/licences/libxlsxwriter.txt"
cp "$work/$zlib_name/LICENSE" "$stage/licences/zlib.txt"

log "building zlib $zlib_version"
configure "$work/$zlib_name" "$work/zlib-build"
cmake --build "$work/zlib-build" --target zlibstatic -j "$jobs" >&2
cp "$work/$zlib_name/zlib.h" "$work/zlib-build/zconf.h" "$stage/include/"
cp "$work/zlib-build/libzlibstatic.a" "$stage/lib/libz.a"

# MinGW builds of libxlsxwriter hand the file name to the C library's fopen, which reads
# it in the ANSI code page; the program's names are UTF-8 (a folder "Bjørn" would fail).
# Taking the same road as other Windows builds (wide file functions, minizip's iowin32)
# makes the name UTF-8 here too.
log "building libxlsxwriter $xlsx_version"
edit src/packager.c '/^#undef _WIN32$/d'
edit src/utility.c '/^#undef _WIN32$/d'
edit CMakeLists.txt 's|^    if(MSVC)$|    if(WIN32)|'  # the one around iowin32.c
configure "$work/$xlsx_name" "$work/xlsxwriter-build" -DBUILD_SHARED_LIBS=OFF -DUSE_SYSTEM_MINIZIP=OFF \
  -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF -DZLIB_INCLUDE_DIR="$stage/include" -DZLIB_LIBRARY="$stage/lib/libz.a" \
  -DCMAKE_INSTALL_PREFIX="$out"
cmake --build "$work/xlsxwriter-build" -j "$jobs" >&2
DESTDIR="$work/stage" cmake --install "$work/xlsxwriter-build" >"$work/install.log"
# Moved in whole, so an interrupted build leaves no half-made folder in the cache.
mv "$stage" "$out"
rm -rf "$work" "$work.lock"
log "libxlsxwriter ready in $out"
echo "$out"
