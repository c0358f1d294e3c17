#!/usr/bin/env bash
# Runs the Windows test host NOTAVO.EXE (64-bit, with lexora.dll beside it)
# under Wine, on a private virtual display and in a private Wine prefix that
# is created once and reused. Leaves no process behind.
# Usage: run-wine-tests.sh BIN_DIR [gtest arguments...]
set -euo pipefail
bin=$(realpath "${1:?usage: run-wine-tests.sh BIN_DIR [gtest args]}")
shift

export WINEPREFIX
WINEPREFIX=$(realpath -m "$bin/../wineprefix")
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="

display=""
for n in $(seq 91 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=$n
    break
  fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" >/dev/null 2>&1 || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

if [ ! -f "$WINEPREFIX/.lexora-prefix-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.lexora-prefix-ready"
fi

cd "$bin"
log=$(mktemp)
set +e
wine NOTAVO.EXE --gtest_color=no "$@" >"$log" 2>&1
rc=$?
set -e
# Wine's wrapper warns about the 32-bit half it does not need.
grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
        -e 'apt-get install wine32' -e '^it looks like' "$log" || true
rm -f "$log"
exit "$rc"
