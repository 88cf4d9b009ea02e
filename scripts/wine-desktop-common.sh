# Shared by the scripts that drive the Windows desktop program under Wine on a virtual X
# display (sourced): the private prefix's server, waiting for windows, files and exits,
# screenshots, and clicks and keys through the X server as a person's would come.

# Where the main window's controls are, from its fixed layout, in X window coordinates of
# a window under Wine with no window manager (so no caption: the menu bar is at the top).
FILE_MENU="14 8"             # the menu bar's "Fil"
PLAYER_BUTTON="343 162"      # the icon column's first button: the customer register
ONLINE_BUTTON="343 297"      # the icon column's third: the online file
MAKE_ONLINE_BUTTON="140 266" # the online file dialog's "Lag onlinefil"
PREVIEW_BUTTON="50 -24"      # the print dialog's "Forhåndsvis", bottom left (a negative Y counts from the bottom)

# The whole screen is kept as failure.png beside the screenshots, to show what stood in the way.
fail() {
  [ -n "${DISPLAY:-}" ] && [ -n "${shots:-}" ] && import -window root "$shots/failure.png" 2>/dev/null
  echo "FAIL: $*" >&2
  exit 1
}

# on_virtual_display "$0" "$@": runs the calling script again on a new Xvfb display.
on_virtual_display() {
  [ -n "${ANDEL_ON_XVFB:-}" ] && return 0
  ANDEL_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}

# The prefix's server, started afresh on this display: Wine's desktop process belongs to the
# first program of a server's life, and one started without a display (as by the window
# tests) would keep every later window off the screen.
start_wineserver() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64)
  wine=$(which wine64 || which wine)  # which: the function wine below is not the program
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
  mkdir -p "$WINEPREFIX"
  "$wineserver" -p
  [ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot --init >/dev/null 2>&1 || true
}
stop_wineserver() { "$wineserver" -k 2>/dev/null || true; }
wine() { "$wine" "$@"; }

# within SECONDS COMMAND...: COMMAND run every half second until it succeeds; false once
# SECONDS have gone by without.
within() {
  tries=$(( $1 * 2 ))
  shift
  until "$@"; do
    [ "$tries" -le 0 ] && return 1
    tries=$((tries - 1))
    sleep 0.5
  done
}
visible_window_named() { id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1); [ -n "$id" ]; }
not_shown() { ! { xdotool getwindowname "$1" >/dev/null 2>&1 && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
gone() { [ ! -e "$1" ]; }

# The X window whose whole name matches the regular expression NAME, after up to 60 s.
wait_for_window() { within 60 visible_window_named "$1" && sleep 1 && echo "$id"; }
wait_gone() { within 20 not_shown "$1"; }
wait_for_file() { within 60 test -e "$1"; }
wait_for_exit() { within 30 not_running "$1" && wait "$1"; }
shoot() { import -window "$1" "$2"; echo "screenshot $2"; }
# click WINDOW "X Y"
click() {
  x=${2% *}
  y=${2#* }
  if [ "$y" -lt 0 ]; then
    y=$(( $(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p') + y ))
  fi
  # Pressed and released a moment apart, as a finger does: Wine under no window manager
  # lets a press and release that come together go by without a click.
  xdotool mousemove --window "$1" "$x" "$y"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 1
}
# key WINDOW KEY...: the window takes the keyboard focus (there is no window manager to
# click a caption of), then the keys come one by one.
key() {
  window=$1; shift
  xdotool windowfocus --sync "$window"
  sleep 0.5
  for k in "$@"; do xdotool key "$k"; sleep 0.5; done
}
