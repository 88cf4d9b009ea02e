#!/bin/sh
# The installer under Wine, in a new prefix: a silent install with the working directory
# C:\Agent (a demo one, made first), the program started from its Start-menu entry (so in
# that directory) and shown, then closed by the window message 13319 posted to its handle;
# a silent uninstall must leave no program file, entry or registry key behind and the
# working directory's files exactly as they were.
# Usage: wine-installer-test.sh BUILD
set -eu
. "$(dirname "$0")/wine-desktop-common.sh"
on_virtual_display "$0" "$@"
build=$(cd "$1" && pwd)
setup=$(ls -t "$build"/andelstipp-*-setup.exe | head -1)
shots="$build/screenshots"
mkdir -p "$shots"
prefix="$build/wineprefix-installer"
rm -rf "$prefix"
start_wineserver "$prefix"
installed="$prefix/drive_c/Program Files/Andelstipp"
entry="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Andelstipp.lnk"
workdir="$prefix/drive_c/Agent"
fingerprint() { (cd "$workdir" && find . -type f -exec sha256sum {} + | sort); }

wine "$build/program/andelstipp-demo.exe" 'C:\Agent' >/dev/null
wine "$setup" /S '/ARBEIDSKATALOG=C:\Agent' || fail "the silent install failed"
[ -f "$installed/andelstipp.exe" ] && [ -f "$installed/andelstipp-cli.exe" ] || fail "no programs in $installed"
[ -f "$installed/platforms/qwindows.dll" ] && [ -f "$installed/Qt6Widgets.dll" ] || fail "Qt is not beside the program"
ls "$installed/fonts/"*.ttf >/dev/null 2>&1 || fail "no fonts beside the program"
[ -f "$entry" ] || fail "no Start-menu entry"
echo "installed: $(find "$installed" -type f | wc -l) files in Program Files\\Andelstipp"

# Started as the agent does, from the Start menu: it must run in the chosen directory.
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Andelstipp.lnk'
main=$(wait_for_window "Kvasar - Andelstippemodul .*") || fail "the installed program showed no window"
wait_for_file "$workdir/Apulje1.tmp" || fail "the program did not start in C:\\Agent"
shoot "$main" "$shots/installed-program.png"
wine "$build/program/post_window_message.exe" 'C:\Agent' 13319 1 0 || fail "posting 13319 1 0 failed"
within 30 gone "$workdir/Apulje1.tmp" || fail "the program did not close on 13319 1 0"
wait_gone "$main" || fail "the main window stayed after 13319 1 0"
before=$(fingerprint)

wine "$installed/avinstaller.exe" /S || fail "the silent uninstall failed"
# The uninstaller runs on from a copy of itself.
within 30 gone "$installed" || fail "left behind: $(cd "$installed" && find . | head -20)"
[ ! -e "$entry" ] || fail "the Start-menu entry was left behind"
! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Andelstipp' >/dev/null 2>&1 ||
  fail "the uninstall key was left behind"
[ "$(fingerprint)" = "$before" ] || fail "the uninstall changed the working directory's files"
stop_wineserver
echo "wine-installer-test: installed, started in C:\\Agent, closed and uninstalled; working directory untouched"
