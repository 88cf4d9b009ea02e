# Shared by the scripts that drive the Windows desktop program under Wine on a virtual X
# display (sourced): the private prefix's server, waiting for windows, files and exits,
# screenshots, and clicks and keys through the X server as a person's would come.

# Where the main window's controls are, from its fixed layout, in X window coordinates of
# the main window under Wine (client area below Wine's own caption and the menu bar).
PLAYER_BUTTON="343 190"      # the icon column's first button: the customer register
PREVIEW_BUTTON="50 -24"      # the print dialog's "Forhåndsvis", bottom left (a negative Y counts from the bottom)

fail() { echo "FAIL: $*" >&2; exit 1; }

# on_virtual_display "$0" "$@": runs the calling script again on a new Xvfb display.
on_virtual_display() {
  [ -n "${ANDEL_ON_XVFB:-}" ] && return 0
  ANDEL_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}

start_wineserver() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  DISPLAY= "$(dirname "$0")/wine-run.sh" cmd /c exit >/dev/null 2>&1  # makes the prefix when missing
  wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64)
  "$wineserver" -p
  wine=$(command -v wine64 || command -v wine)
}
stop_wineserver() { "$wineserver" -k 2>/dev/null || true; }
wine() { "$wine" "$@"; }

# The X window whose name is exactly NAME, after up to 60 s.
wait_for_window() {
  tries=0
  while [ $tries -lt 120 ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { sleep 1; echo "$id"; return 0; }
    sleep 0.5; tries=$((tries + 1))
  done
  return 1
}
wait_gone() {
  tries=0
  while xdotool getwindowname "$1" >/dev/null 2>&1 && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; do
    [ $tries -ge 40 ] && return 1
    sleep 0.5; tries=$((tries + 1))
  done
}
wait_for_file() {
  tries=0
  while [ ! -e "$1" ]; do [ $tries -ge 120 ] && return 1; sleep 0.5; tries=$((tries + 1)); done
}
wait_for_exit() {
  tries=0
  while kill -0 "$1" 2>/dev/null; do [ $tries -ge 60 ] && return 1; sleep 0.5; tries=$((tries + 1)); done
  wait "$1"
}
shoot() { import -window "$1" "$2"; echo "screenshot $2"; }
# click WINDOW "X Y"
click() {
  x=${2% *}
  y=${2#* }
  if [ "$y" -lt 0 ]; then
    y=$(( $(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p') + y ))
  fi
  xdotool mousemove --window "$1" "$x" "$y" click 1
  sleep 1
}
# key WINDOW KEY...
key() {
  window=$1; shift
  xdotool mousemove --window "$window" 5 5 click 1  # the caption: focuses without pressing anything
  for k in "$@"; do xdotool key "$k"; sleep 0.5; done
}
