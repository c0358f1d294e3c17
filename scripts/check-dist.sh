#!/usr/bin/env bash
# Checks the release zip as a user would receive it: it exists, holds exactly
# the four files, its lexora.dll is the 32-bit product with the six entry
# points, and the DLL's version resource states the version of
# resources/resource.h.
# Usage: check-dist.sh ZIP
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
zip=${1:?usage: check-dist.sh ZIP}
[ -f "$zip" ] || { echo "check-dist: $zip is missing (make dist)" >&2; exit 1; }
version=$(sed -n 's/^#define LEXORA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/resource.h")

work=$(mktemp -d "${TMPDIR:-/tmp}/lexora-check-dist.XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 - "$zip" "$work" "$version" <<'PY'
import struct, sys, zipfile
zip_path, work, version = sys.argv[1:4]
expected = {"lexora.dll", "README.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt"}
with zipfile.ZipFile(zip_path) as z:
    names = set(z.namelist())
    if names != expected:
        sys.exit(f"check-dist: the zip holds {sorted(names)}, expected {sorted(expected)}")
    z.extractall(work)
data = open(f"{work}/lexora.dll", "rb").read()
# The fixed file information block starts with its signature 0xFEEF04BD;
# the file version follows as two 32-bit words (major.minor, patch.build).
at = data.find(struct.pack("<I", 0xFEEF04BD))
if at < 0:
    sys.exit("check-dist: lexora.dll has no version resource")
ms, ls = struct.unpack_from("<II", data, at + 8)
found = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
if found != version:
    sys.exit(f"check-dist: lexora.dll says version {found}, resources/resource.h says {version}")
text = open(f"{work}/README.txt", encoding="utf-8").read()
if version not in text:
    sys.exit("check-dist: README.txt does not name the version")
PY
"$root/scripts/check-exports.sh" "$work/lexora.dll" i386
if i686-w64-mingw32-objdump -h "$work/lexora.dll" | grep -q '\.debug_'; then
  echo "check-dist: lexora.dll still carries debug information" >&2
  exit 1
fi
echo "Release zip: $(basename "$zip") holds the four files; lexora.dll is PE32 i386, version $version, six entry points"
