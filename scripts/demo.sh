#!/usr/bin/env bash
# The main job on the demo score: runs `notavo-sim replace` on a copy of
# examples/demo.json (the original stays as it is) with two requests, and
# shows the host's alert and the changes each one made.
# Usage: scripts/demo.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR   (for example: $0 build/native)" >&2
  exit 2
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" 2>/dev/null && pwd || echo "$1")"
sim="$build/sim/notavo-sim"
if [ ! -x "$sim" ]; then
  echo "$sim is missing: build first (make native)" >&2
  exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/lexora-demo.XXXXXX")"
trap 'rm -rf "$work"' EXIT
score="$work/demo.json"
cp "$root/examples/demo.json" "$score"

step() {
  echo
  echo "== $1"
  shift
  printf '$ notavo-sim replace'
  printf ' %q' "$@"
  echo
  (cd "$work" && "$sim" replace "$@")
}

step "1. The tempo marking 'Allegro con brio' becomes 'Presto', everywhere in the score" \
  --search "Allegro con brio" --replace "Presto" demo.json

step "2. In the lyrics, the word 'light' is given italic, its text unchanged" \
  --in lyrics --search light --replace light --replace-style=+italic demo.json

step "3. A request that matches nothing still reports honestly" \
  --search "Largo" --replace "Lento" demo.json

echo
echo "== The score after both changes (notavo-sim show):"
(cd "$work" && "$sim" show demo.json)
