#!/bin/sh
# Creates the demo working directory and starts the program there. Without a display
# the program runs under Xvfb and a screenshot of the main window is saved.
set -e
build="$1"
demo="$build/demo"
"$build/andelstipp-demo" "$demo"
cd "$demo"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec "$build/andelstipp"
fi
shot="$build/andelstipp.png"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  '$build/andelstipp' & pid=\$!
  sleep 3
  import -window root '$shot.full.png'
  convert '$shot.full.png' -trim +repage '$shot'
  rm -f '$shot.full.png'
  kill \$pid; wait \$pid 2>/dev/null || true"
echo "No display: the program ran under Xvfb; screenshot of the main window saved to $shot"
