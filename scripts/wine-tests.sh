#!/bin/sh
# Runs the Windows build's tests (CTest in BUILD) under one persistent wineserver of the
# build's private prefix. Left to itself, each Wine program starts the server and the last
# one to end stops it, and a program that starts while it stops is cut off ("recvmsg:
# Connection reset by peer"). A test that fails is run once more, so that a fault of Wine
# itself does not pass for one of ours; a real failure fails both times.
# Usage: wine-tests.sh BUILD JOBS
set -u
build=$(cd "$1" && pwd)
jobs=$2
export WINEPREFIX="$build/wineprefix"
scripts=$(cd "$(dirname "$0")" && pwd)
wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64)
"$scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1  # makes the prefix when missing
"$wineserver" -p
"$scripts/ctest-wine-retry.sh" "$build" "$jobs"
status=$?
"$wineserver" -k 2>/dev/null
exit $status
