#!/bin/sh
# The Windows desktop program under Wine on a virtual X display, as an agent uses it, in a
# demo working directory made by the Windows demo generator: screenshots of the main window,
# the customer register and the certificates' print preview in BUILD/screenshots/; the
# numbered window messages posted to the main window's handle by a Win32 sender (12707
# while the register shows a customer: the main window takes that player); then the program
# closed through its named pipe by andelstipp-cli.exe, after which the close steps must have
# removed the presence files and stored the player in config.kvs.
# Usage: wine-desktop-test.sh BUILD
set -eu
. "$(dirname "$0")/wine-desktop-common.sh"
on_virtual_display "$0" "$@"
build=$(cd "$1" && pwd)
program="$build/program"
shots="$build/screenshots"
demo="$build/demo"
rm -rf "$shots" "$demo"
mkdir -p "$shots"
start_wineserver "$build/wineprefix"

wine "$program/andelstipp-demo.exe" "$(winepath -w "$demo")" >/dev/null
started="$build/desktop-test-started"
touch "$started"
cd "$demo"
"$wine" "$program/andelstipp.exe" >"$build/andelstipp-wine.log" 2>&1 &
pid=$!
cd "$build"
main=$(wait_for_window "Kvasar - Andelstippemodul .*") || fail "the main window did not appear"
wait_for_file "$demo/Apulje1.tmp" || fail "no Apulje1.tmp: the main window's handle was not written"
shoot "$main" "$shots/main-window.png"

# The online file first (the icon column's third button, then "Lag onlinefil"): the
# certificates are printed from it.
click "$main" "$ONLINE_BUTTON"
online=$(wait_for_window "Onlinefil") || fail "the online file dialog did not open"
shoot "$online" "$shots/online-dialog.png"
click "$online" "$MAKE_ONLINE_BUTTON"
made=$(wait_for_window "Andelstipping") || fail "making the online file said nothing"
shoot "$made" "$shots/online-made.png"
key "$made" Return
wait_gone "$made" || fail "the message after making the online file did not close"
# On Windows the letter is the drive itself: the prefix's C:, not the demo's DRIVE_C.
[ -n "$(find "$WINEPREFIX/drive_c/NTFILE" -name '*.NTF' -newer "$started" 2>/dev/null)" ] ||
  fail "no new online file in C:\\NTFILE"
# The certificates' print dialog (Fil > Skriv ut), then its preview: before the player
# changes, which forgets the online file the certificates are printed from.
click "$main" "$FILE_MENU"
xdotool key s
printing=$(wait_for_window "Skriver ut andelsbrev") || fail "the print dialog did not open"
shoot "$printing" "$shots/print-dialog.png"
click "$printing" "$PREVIEW_BUTTON"
preview=$(wait_for_window "Forhåndsvisning av andelsbrevene") || fail "the print preview did not open"
sleep 2
shoot "$preview" "$shots/print-preview.png"
key "$preview" Escape
wait_gone "$preview" || fail "the print preview did not close"
key "$printing" Escape
wait_gone "$printing" || fail "the print dialog did not close"

# The register, as the player button opens it; a customer is current once it shows.
click "$main" "$PLAYER_BUTTON"
register=$(wait_for_window "Kundekartotek") || fail "the register did not open"
# Letters typed anywhere in the register search it; the customer found is the current one.
key "$register" h a g e n
shoot "$register" "$shots/register.png"
# The row-generating program's messages, to the main window's handle: to the front, then
# take the register's current customer.
wine "$program/post_window_message.exe" "$(winepath -w "$demo")" 13319 0 0 || fail "posting 13319 failed"
wine "$program/post_window_message.exe" "$(winepath -w "$demo")" 12707 0 0 || fail "posting 12707 failed"
sleep 1
key "$register" Escape
wait_gone "$register" || fail "the register did not close"
shoot "$main" "$shots/main-window-player.png"

# Closed through the named pipe, as on Linux through the socket: the close steps run.
(cd "$demo" && wine "$program/andelstipp-cli.exe" send 13319 1 0) || fail "andelstipp-cli send 13319 1 0 failed"
wait_for_exit "$pid" || fail "the program did not end after 13319 1 0"
[ ! -e "$demo/Apulje1.tmp" ] && [ ! -e "$demo/wtpulje1.tmp" ] || fail "the presence files were left behind"
grep -q "^ETTERNAVN=Hagen" "$demo/config.kvs" || fail "12707 did not take the register's customer (Hagen) into config.kvs"
stop_wineserver
echo "wine-desktop-test: all checks passed; screenshots in $shots"
