#!/bin/sh
# Unpacks the Debian package into a temporary root and checks that every file its desktop
# entry names is there: the program (which starts), the icon in its sizes, the tool and
# its man page. Usage: package_test.sh PATH-TO.deb
deb="$1"
root=$(mktemp -d) || exit 1
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }
entry="$root/usr/share/applications/andelstipp.desktop"
[ -f "$entry" ] || { echo "FAIL: no desktop entry"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the desktop entry does not validate"
fi
key() { sed -n "s/^$1=//p" "$entry" | head -1; }

[ "$(key Categories)" = "Office;Finance;" ] || fail "categories are $(key Categories)"
case "$(key Name)$(key Comment)" in *[æøåÆØÅ]*) ;; *) fail "name and comment are not Norwegian" ;; esac

program="$root/usr/bin/$(key Exec | cut -d' ' -f1)"
[ -x "$program" ] || fail "Exec names $(key Exec), not in /usr/bin"
icon=$(key Icon)
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png"
  [ -f "$png" ] || { fail "no $size px icon"; continue; }
  file "$png" | grep -q "$size x $size" || fail "the $size px icon is $(file -b "$png")"
done
[ -x "$root/usr/bin/andelstipp-cli" ] || fail "no andelstipp-cli"
man="$root/usr/share/man/man1/andelstipp-cli.1.gz"
[ -f "$man" ] || fail "no man page"
[ -f "$man" ] && { zcat "$man" | grep -q '^\.B andelstipp-cli register add' || fail "the man page lacks register add"; }

# What the desktop entry starts runs: still up after two seconds, offscreen, in an empty
# working directory (it ends only on its own errors).
work="$root/work" && mkdir "$work"
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 2 "$program" >/dev/null 2>&1)
[ $? -eq 124 ] || fail "the program of the desktop entry did not stay up"
"$root/usr/bin/andelstipp-cli" system 446677777777 | grep -qx 'rows-per-coupon 324' || fail "andelstipp-cli does not run"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "package: desktop entry, program, icons, tool and man page in place"
