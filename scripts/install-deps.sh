#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run
# its demo. Safe to run again: it only installs what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev clang-format
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  libtinyxml-dev libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
  wine wine64 xvfb xauth x11-apps imagemagick
  dpkg-dev unicode-data python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

# 32-bit Wine runs the product DLL itself; it needs the i386 architecture.
# It is installed on its own, so a mirror whose 32-bit and 64-bit C library
# are out of step costs only the 32-bit run, which the test run then reports
# as skipped.
want_wine32=0
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then
  want_wine32=1
fi

if [ ${#missing[@]} -eq 0 ] && [ "$want_wine32" -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  [ "$want_wine32" -eq 1 ] && missing+=("wine32:i386 (after: dpkg --add-architecture i386)")
  [ ${#missing[@]} -eq 0 ] && exit 0
  echo "These packages are missing: ${missing[*]}" >&2
  echo "Install them as root, for example:" >&2
  echo "  sudo $0" >&2
  echo "or: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ "$want_wine32" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "$want_wine32" -eq 1 ]; then
  echo "Installing: wine32:i386"
  if ! log=$(apt-get install -y -qq --no-install-recommends wine32:i386 2>&1); then
    echo "wine32:i386 could not be installed, so the 32-bit DLL will not be run: $(printf '%s\n' "$log" | grep -m1 -E '^E:|Depends:|held|broken' || echo 'apt-get failed')" >&2
  fi
fi
