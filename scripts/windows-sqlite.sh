#!/bin/sh
# SQLite for the Windows builds (the books): Debian's own sqlite3 source (the host's
# libsqlite3-dev version, Debian's patches applied) made into the one-file amalgamation by
# its own build rules with the host's compiler and tclsh, then compiled with mingw-w64 as a
# static library once, into a cache folder outside the clone named by that version and a
# hash of this script and the toolchain file, and reused from there.
# Prints the folder (include/sqlite3.h, include/sqlite3ext.h, lib/libsqlite3.a, licences/) as
# the last line on standard output; --path prints it without building (the folder may then
# be missing).
# Usage: windows-sqlite.sh [--path]
set -eu
mode=${1:-}
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs=${JOBS:-2}

# Source package and version of an installed binary package (a rebuilt binary such as
# 3.40.1-2+b1 comes from the source version 3.40.1-2).
source_of() {
  dpkg-query -W -f='${source:Package} ${source:Version}' "$1" 2>/dev/null || {
    "$root/scripts/ensure-packages.sh" "$1" >&2
    dpkg-query -W -f='${source:Package} ${source:Version}' "$1"
  }
}
set -- $(source_of libsqlite3-dev)
name=$1 version=$2
hash=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${ANDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/andelstipp}
# Without an epoch ("1:"), which is no part of a file name.
key="${version#*:}-mingw-$hash"
out="$cache/sqlite-$key"
if [ "$mode" = --path ] || [ -f "$out/lib/libsqlite3.a" ]; then
  echo "$out"
  exit 0
fi

# tclsh and the host's gcc make the amalgamation; the toolchain file's compiler builds it.
"$root/scripts/ensure-packages.sh" cmake make gcc tcl dpkg-dev g++-mingw-w64-x86-64-posix >&2
log() { echo "windows-sqlite: $*" >&2; }
quietly() {  # LOG COMMAND...: the log's end is shown when the command fails
  log=$1
  shift
  "$@" >"$log" 2>&1 || { tail -50 "$log" >&2; exit 1; }
}

work="$cache/.sqlite-build-$key"
. "$root/scripts/cache-build-lock.sh"
one_build_at_a_time "$work" "$out" lib/libsqlite3.a
rm -rf "$work"
mkdir -p "$work"
"$root/scripts/debian-source.sh" "$work" "$name" "$version"
stage="$work/stage"
mkdir -p "$stage/include" "$stage/lib" "$stage/licences"
# Shipped with the Windows program, which holds the library (SQLite is in the public domain).
cp "$work/$name/LICENSE.md" "$stage/licences/sqlite.txt"

# Debian builds the library from the separate files and has no amalgamation; its own rule
# makes one (the Tcl extension is not wanted, so no Tcl headers are needed either).
log "making the amalgamation of sqlite3 $version"
mkdir "$work/amalgamation"
cd "$work/amalgamation"
quietly "$work/configure.log" "$work/$name/configure" --disable-tcl
quietly "$work/amalgamation.log" make -j "$jobs" sqlite3.c
cd "$root"
cp "$work/amalgamation/sqlite3.h" "$work/amalgamation/sqlite3ext.h" "$stage/include/"

# Built through the toolchain file, so the library and the programs have one compiler.
# SQLite's defaults stand except: no extension is ever loaded from a file (nothing beside
# the program can add code to the books), and a double-quoted word is always a name, never
# taken for a string when no column has it.
log "building sqlite3 $version"
mkdir "$work/library"
cat >"$work/library/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(sqlite3 C)
add_library(sqlite3 STATIC "$work/amalgamation/sqlite3.c")
target_compile_definitions(sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION=1 SQLITE_DQS=0)
EOF
quietly "$work/library-configure.log" cmake -S "$work/library" -B "$work/library-build" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG"
quietly "$work/library-build.log" cmake --build "$work/library-build" -j "$jobs"
cp "$work/library-build/libsqlite3.a" "$stage/lib/"
# Moved in whole, so an interrupted build leaves no half-made folder in the cache.
mv "$stage" "$out"
rm -rf "$work" "$work.lock"
log "sqlite3 ready in $out"
echo "$out"
