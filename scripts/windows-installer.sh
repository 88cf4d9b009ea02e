#!/bin/sh
# Makes BUILD/andelstipp-VERSION-setup.exe with NSIS from the Windows desktop build's
# program folder: the files named in BUILD/shipped-files.txt, each removed again by name
# by the uninstaller.
# Usage: windows-installer.sh BUILD
set -eu
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
program="$build/program"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
files="$build/installer-files.nsh"
removals="$build/installer-removals.nsh"
: >"$files"
: >"$removals"
folders=""
while read -r path; do
  [ -n "$path" ] || continue
  [ -f "$program/$path" ] || { echo "windows-installer: $program/$path is missing" >&2; exit 1; }
  folder=$(dirname "$path")
  if [ "$folder" = . ]; then out='$INSTDIR'; else out="\$INSTDIR\\$(echo "$folder" | tr / '\\')"; fi
  printf 'SetOutPath "%s"\nFile "%s"\n' "$out" "$program/$path" >>"$files"
  printf 'Delete "$INSTDIR\\%s"\n' "$(echo "$path" | tr / '\\')" >>"$removals"
  case " $folders " in *" $folder "*) ;; *) [ "$folder" = . ] || folders="$folders $folder" ;; esac
done <"$build/shipped-files.txt"
for folder in $folders; do printf 'RMDir "$INSTDIR\\%s"\n' "$(echo "$folder" | tr / '\\')" >>"$removals"; done
setup="$build/andelstipp-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DICON="$build/andelstipp.ico" -DOUTFILE="$setup" \
  -DFILES="$files" -DREMOVALS="$removals" "$root/packaging/windows/andelstipp.nsi"
echo "windows-installer: $setup ($(du -h "$setup" | cut -f1))"
