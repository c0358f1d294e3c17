#!/usr/bin/env bash
# Builds the release a user downloads: build/dist/lexora-VERSION-win32.zip with
# the 32-bit lexora.dll (debug information stripped), README.txt, LICENSE.txt
# and THIRD-PARTY-NOTICES.txt. The version comes from resources/resource.h.
# Usage: make-dist.sh WIN32_BUILD_DIR OUT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:?usage: make-dist.sh WIN32_BUILD_DIR OUT_DIR}
out=${2:?usage: make-dist.sh WIN32_BUILD_DIR OUT_DIR}

version=$(sed -n 's/^#define LEXORA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/resource.h")
[ -n "$version" ] || { echo "make-dist: no version in resources/resource.h" >&2; exit 1; }
dll="$build/bin/lexora.dll"
[ -f "$dll" ] || { echo "make-dist: $dll is missing: build it first (make win32)" >&2; exit 1; }

stage=$(mktemp -d "${TMPDIR:-/tmp}/lexora-dist.XXXXXX")
trap 'rm -rf "$stage"' EXIT

i686-w64-mingw32-strip --strip-debug -o "$stage/lexora.dll" "$dll"
sed "s/@VERSION@/$version/" "$root/docs/install/README.txt" >"$stage/README.txt"
cp "$root/LICENSE" "$stage/LICENSE.txt"
"$root/scripts/third-party-notices.sh" >"$stage/THIRD-PARTY-NOTICES.txt"

# Windows users open these with Notepad: give the texts CRLF line ends.
for f in README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
  sed -i 's/\r\?$/\r/' "$stage/$f"
done

mkdir -p "$out"
zip="$(realpath -m "$out/lexora-$version-win32.zip")"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip \
   lexora.dll README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
echo "$zip"
