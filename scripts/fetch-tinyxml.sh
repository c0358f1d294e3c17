#!/usr/bin/env bash
# Fetches Debian's own TinyXML source package into the given folder so that
# the cross builds can compile it; Debian packages no mingw build of it.
# Usage: fetch-tinyxml.sh DEST   (DEST ends up holding tinyxml.h etc.)
set -euo pipefail
dest=${1:?usage: fetch-tinyxml.sh DEST}

if [ -f "$dest/tinyxml.h" ] && [ -f "$dest/tinyxmlparser.cpp" ]; then
  exit 0
fi

has_deb_src() {
  grep -RhsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ >/dev/null 2>&1
}

if ! has_deb_src; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "No deb-src entry in APT's sources; as root run:" >&2
    echo "  $0 $dest" >&2
    exit 1
  fi
  cat > /etc/apt/sources.list.d/lexora-deb-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt-get update -qq
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tinyxml-src.XXXXXX")
trap 'rm -rf "$work"' EXIT
( cd "$work" && apt-get source -qq tinyxml >/dev/null 2>&1 ) || {
  # The index may be stale on a machine that added deb-src by other means.
  [ "$(id -u)" -eq 0 ] && apt-get update -qq
  ( cd "$work" && apt-get source -qq tinyxml >/dev/null )
}
srcdir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'tinyxml-*' | head -n 1)
[ -n "$srcdir" ] || { echo "apt-get source tinyxml gave no source tree" >&2; exit 1; }
mkdir -p "$dest"
cp "$srcdir"/tinyxml.h "$srcdir"/tinystr.h "$srcdir"/tinyxml.cpp \
   "$srcdir"/tinyxmlparser.cpp "$srcdir"/tinyxmlerror.cpp "$srcdir"/tinystr.cpp "$dest"/
