#!/bin/sh
# Debian source packages of given versions, fetched by `apt-get source` through a private
# sources list and state folder (the system's binary sources, as source sources) and
# unpacked with Debian's patches into DEST/NAME each: the system's apt configuration is
# left as it is. One package list download serves every package named.
# Usage: debian-source.sh DEST NAME VERSION [NAME VERSION]...
set -eu
[ $# -ge 3 ] && [ $(( ($# - 1) % 2 )) -eq 0 ] || {
  echo "usage: debian-source.sh DEST NAME VERSION [NAME VERSION]..." >&2
  exit 2
}
dest=$1
shift
log() { echo "debian-source: $*" >&2; }

apt="$dest/.apt"
rm -rf "$apt"
mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/download"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && sed 's/^Types:.*$/Types: deb-src/' "$f" >"$apt/parts/$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] && sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f" >"$apt/parts/$(basename "$f")"
done
: >"$apt/sources.list"
apt_private="-o Dir::Etc::SourceList=$apt/sources.list -o Dir::Etc::SourceParts=$apt/parts
  -o Dir::State::Lists=$apt/lists -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
  -o APT::Sandbox::User=root"
# shellcheck disable=SC2086
apt-get $apt_private -qq update >&2

while [ $# -gt 0 ]; do
  name=$1 version=$2
  shift 2
  log "fetching $name $version"
  # shellcheck disable=SC2086
  (cd "$apt/download" && apt-get $apt_private -qq source --download-only "$name=$version" >&2)
  rm -rf "${dest:?}/$name"
  dpkg-source --no-copy -x "$apt/download/${name}"_*.dsc "$dest/$name" >&2
  rm -f "$apt/download/${name}"_*
done
rm -rf "$apt"
