#!/usr/bin/env bash
# Prints the licences of everything linked into lexora.dll besides Lexora's
# own code, from the Debian packages it was built with: TinyXML, and the
# cross compiler's C run-time (mingw-w64, with winpthreads) and C++ run-time
# (libstdc++ and libgcc, under the GCC Runtime Library Exception).
set -euo pipefail

section() {
  local title=$1 file=$2
  [ -f "$file" ] || { echo "third-party-notices: $file is missing (see scripts/install-deps.sh)" >&2; exit 1; }
  printf '%s\n%s\n\n' "$title" "$(printf '%*s' ${#title} '' | tr ' ' '=')"
  cat "$file"
  printf '\n\n'
}

cat <<'HEAD'
Third-party notices for lexora.dll
==================================

lexora.dll is built with the mingw-w64 cross compiler and carries these
libraries inside it. Their copyright notices and licence texts follow, as
their authors ask, taken from the Debian packages the release was built from.


HEAD
section "TinyXML (XML parser of the string resource)" /usr/share/doc/libtinyxml2.6.2v5/copyright
section "mingw-w64 run-time (C run-time start-up, math and stdio helpers, winpthreads)" \
  /usr/share/doc/mingw-w64-common/copyright

gcc=/usr/share/doc/gcc-mingw-w64-base/copyright
[ -f "$gcc" ] || { echo "third-party-notices: $gcc is missing" >&2; exit 1; }
title="GCC run-time libraries (libstdc++, libgcc)"
printf '%s\n%s\n\n' "$title" "$(printf '%*s' ${#title} '' | tr ' ' '=')"
cat <<'GCC'
libstdc++ and libgcc are free software under the GNU General Public License,
version 3, with the GCC Runtime Library Exception, version 3.1, which permits
distributing programs built with them under terms of the distributor's
choice. The exception's full text:

GCC
awk '/^GCC RUNTIME LIBRARY EXCEPTION/{on=1} on{print} on&&/requirements of the license of GCC\.$/{exit}' "$gcc"
