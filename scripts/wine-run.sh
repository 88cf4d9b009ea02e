#!/bin/sh
# Runs a Windows program under Wine, non-interactively, in a private Wine prefix.
# WINEPREFIX defaults to wineprefix/ beside the program's build folder; the prefix is made
# once (under a lock, as CTest starts several programs at a time) before the first run.
set -e
if [ -z "$WINEPREFIX" ]; then
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = / ] && dir=$(cd "$(dirname "$1")" && pwd)
  WINEPREFIX="$dir/wineprefix"
fi
export WINEPREFIX
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wine=$(command -v wine64 || command -v wine || ls /usr/lib/wine/wine64 2>/dev/null)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64)
      WINEPREFIX="$WINEPREFIX" "$wineserver" -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
