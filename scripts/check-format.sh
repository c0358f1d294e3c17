#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what the committed
# .clang-format makes of it, naming each such file. `make format` fixes them.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "check-format: $format is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
drift=()
while IFS= read -r -d '' file; do
  if ! "$format" --dry-run --Werror "$file" >/dev/null 2>&1; then
    drift+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#drift[@]} -gt 0 ]; then
  echo "check-format: ${#drift[@]} file(s) differ from .clang-format:" >&2
  printf '  %s\n' "${drift[@]}" >&2
  echo "Run 'make format' and commit the result." >&2
  exit 1
fi
echo "check-format: every C++ file matches .clang-format"
