#!/usr/bin/env bash
# Runs the benchmarks: the native ones directly, the Windows ones under Wine.
set -u
cd "$(dirname "$0")/.."
for b in build/native/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
shopt -s nullglob
wins=(build/win64/*_bench.exe)
if [ ${#wins[@]} -gt 0 ]; then
  . tools/wine-env.sh bench
  for b in "${wins[@]}"; do
    echo "== $(basename "$b")"
    xvfb-run -a "$WINE" "$b"
  done
fi
