#!/usr/bin/env bash
# Fails unless the DLL exports exactly the plug-in's six entry points under
# their undecorated names (and is built for the expected machine).
# Usage: check-exports.sh DLL [i386|x86-64]
set -euo pipefail
dll=${1:?usage: check-exports.sh DLL [i386|x86-64]}
machine=${2:-}
expected="NotavoExtensionEnumerate
NotavoExtensionGetMenuStatus
NotavoExtensionInit
NotavoExtensionInvoke
NotavoExtensionTerminate
NotavoExtensionVersion"

objdump=objdump
for candidate in x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump; do
  command -v "$candidate" >/dev/null 2>&1 && { objdump=$candidate; break; }
done

dump=$("$objdump" -p "$dll")
if [ -n "$machine" ]; then
  format=$("$objdump" -f "$dll" | sed -n 's/.*file format //p')
  case "$machine" in
    i386)   [ "$format" = "pei-i386" ] || { echo "$dll: expected PE32 i386, got $format" >&2; exit 1; } ;;
    x86-64) [ "$format" = "pei-x86-64" ] || { echo "$dll: expected PE32+ x86-64, got $format" >&2; exit 1; } ;;
  esac
fi
# The name pointer table lists one "[ n] Name" line per exported name.
actual=$(printf '%s\n' "$dump" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
if [ "$actual" != "$expected" ]; then
  echo "$dll: exported names differ from the six entry points" >&2
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") >&2 || true
  exit 1
fi
echo "$dll: exports the six entry points ($("$objdump" -f "$dll" | sed -n 's/.*file format //p'))"
