#!/usr/bin/env bash
# Proves the README's promise for Windows: pivola.exe builds with CMake and MinGW-w64 alone.
# Configures the win64 preset into a scratch folder with GoogleTest out of its reach and
# builds the pivola target. Skips (77) where the cross compiler is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v x86_64-w64-mingw32-g++-posix >/dev/null || { echo "no MinGW-w64 cross compiler"; exit 77; }
scratch=build/win64-without-gtest
rm -rf "$scratch"
start=$SECONDS
cmake --preset win64 -B "$scratch" -DPIVOLA_GTEST_SOURCE_DIR="$PWD/$scratch/no-googletest" \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$scratch.log" 2>&1 || { cat "$scratch.log"; exit 1; }
grep -q "GoogleTest not found" "$scratch.log" || { echo "the configuration still found GoogleTest"; exit 1; }
cmake --build "$scratch" -j"${JOBS:-2}" --target pivola >>"$scratch.log" 2>&1 || { tail -n 30 "$scratch.log"; exit 1; }
[ -f "$scratch/pivola.exe" ] || { echo "no pivola.exe"; exit 1; }
echo "pivola.exe built without GoogleTest in $((SECONDS - start)) s"
rm -rf "$scratch" "$scratch.log"
