#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, clang with ASan and UBSan) and
# runs each for a short smoke pass on a scratch copy of its seed corpus, so
# the committed seeds stay as they are. fuzz/<name>_fuzzer.cpp takes its
# seeds from fuzz/corpus/<name>/ and, when there is one, its dictionary of
# tokens from fuzz/<name>.dict. FUZZ_SMOKE_SECONDS sets the time per target.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SMOKE_SECONDS:-30}"
cd "$root"

targets=()
for src in fuzz/*_fuzzer.cpp; do
  [ -e "$src" ] || continue
  targets+=("$(basename "$src" .cpp)")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz-smoke: no fuzz targets" >&2
  exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "${targets[@]}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for target in "${targets[@]}"; do
  seeds="fuzz/corpus/${target%_fuzzer}"
  work="$scratch/$target"
  mkdir -p "$work"
  if [ -d "$seeds" ]; then
    cp -R "$seeds/." "$work/"
  fi
  options=(-max_total_time="$seconds" -print_final_stats=1)
  if [ -f "fuzz/${target%_fuzzer}.dict" ]; then
    options+=(-dict="fuzz/${target%_fuzzer}.dict")
  fi
  echo "fuzz-smoke: $target for ${seconds}s"
  "build/fuzz/fuzz/$target" "${options[@]}" "$work" \
    > "$scratch/$target.log" 2>&1 || {
      tail -n 60 "$scratch/$target.log" >&2
      echo "fuzz-smoke: $target failed" >&2
      exit 1
    }
  grep -E "^(Done|stat::number_of_executed_units)" "$scratch/$target.log" || true
done
