#!/usr/bin/env bash
# Runs the Windows test host NOTAVO.EXE (with lexora.dll beside it) under
# Wine, on a private virtual display and in a private Wine prefix that is
# created once and reused. The bitness of NOTAVO.EXE chooses the prefix: a
# 32-bit host runs in a WINEARCH=win32 prefix, as the product does for users.
# Prints one summary line; leaves no process behind. When 32-bit Wine is not
# installed, a 32-bit run is skipped with a line that says so and why.
# Usage: run-wine-tests.sh BIN_DIR [gtest arguments...]
set -euo pipefail
bin=$(realpath "${1:?usage: run-wine-tests.sh BIN_DIR [gtest args]}")
shift

# Debian's wine wrapper prefers the 32-bit loader whenever wine32 is
# installed, even for 64-bit programs; name the loader that fits instead.
case "$(objdump -f "$bin/NOTAVO.EXE" 2>/dev/null | sed -n 's/.*file format //p')" in
  pei-i386)   bits=32 arch=win32 loader=/usr/lib/wine/wine ;;
  pei-x86-64) bits=64 arch=win64 loader=/usr/lib/wine/wine64 ;;
  *) echo "Wine suite: $bin/NOTAVO.EXE is missing or not a Windows program" >&2; exit 1 ;;
esac

skip32() {
  echo "Wine suite, 32-bit: SKIPPED: $1; the 32-bit lexora.dll was built and checked but not run"
  exit 0
}
if [ "$bits" = 32 ]; then
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" ||
    skip32 "wine32:i386 is not installed (scripts/install-deps.sh could not install it here)"
  # Some kernels and sandboxes run no 32-bit program at all; ask the loader.
  if ! probe=$(/lib/ld-linux.so.2 --version 2>&1); then
    skip32 "this machine does not run 32-bit programs (${probe##*: })"
  fi
fi

export WINEPREFIX
WINEPREFIX=$(realpath -m "$bin/../wineprefix")
export WINEDEBUG=-all WINEARCH=$arch WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER=$loader

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
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$loader" wineboot.exe --init >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.lexora-prefix-ready"
fi

# No window manager runs on the virtual display to draw captions and frames:
# Wine draws them itself, so the tests' pictures show whole dialogs.
if [ ! -f "$WINEPREFIX/.lexora-undecorated" ]; then
  "$loader" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.lexora-undecorated"
fi

cd "$bin"
log=$(mktemp)
set +e
"$loader" NOTAVO.EXE --gtest_color=no "$@" >"$log" 2>&1
rc=$?
set -e
# Pictures the tests took of their windows (BMP) become PNG files beside them.
for shot in ./*.bmp; do
  if [ -e "$shot" ] && command -v convert >/dev/null; then
    convert "$shot" "${shot%.bmp}.png" && rm -f "$shot" || true
  fi
done
# Wine's wrapper warns about the half of a multiarch set-up it does not need.
grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
        -e 'apt-get install wine32' -e '^it looks like' "$log" || true
# The toolkit's cases leave a picture of their test dialog for people to
# look at; it stays in the build folder.
if [ -f toolkit-dialog.bmp ] && command -v convert >/dev/null 2>&1; then
  convert toolkit-dialog.bmp toolkit-dialog.png && rm -f toolkit-dialog.bmp
fi
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
rm -f "$log"
if [ "$rc" -eq 0 ]; then
  echo "Wine suite, $bits-bit: ${passed:-0} tests passed (NOTAVO.EXE with $bin/lexora.dll)"
else
  echo "Wine suite, $bits-bit: FAILED (exit status $rc)"
fi
exit "$rc"
