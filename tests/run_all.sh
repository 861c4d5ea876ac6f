#!/usr/bin/env bash
# Runs every test: the native suites (simulated desktop), the Windows test binary under
# Wine, the end-to-end scripts in Xvfb, the native suites again under the sanitizers and a
# short run of each fuzz target. Ends with one line: "N passed, N failed".
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
logs="$root/build/test-logs"
mkdir -p "$logs"
passed=0
failed=0
failures=()

note_failure() { failures+=("$1"); }

# ---- native ----------------------------------------------------------------------------
echo "== native tests (simulated desktop)"
ctest --test-dir build/native -j"$(nproc 2>/dev/null || echo 2)" --timeout 300 --output-on-failure \
  >"$logs/native.log" 2>&1
summary=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$logs/native.log" | tail -n 1)
if [ -n "$summary" ]; then
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  echo "   $summary"
  if [ "$bad" != 0 ]; then
    grep -E "^\s+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)\)" "$logs/native.log" | head -n 50
    note_failure "native tests (see build/test-logs/native.log)"
  fi
else
  echo "   the native tests did not run (see build/test-logs/native.log)"
  tail -n 20 "$logs/native.log"
  failed=$((failed + 1))
  note_failure "native tests did not run"
fi

# ---- a display for everything that runs under Wine ---------------------------------------
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
cleanup() {
  [ -n "${WINESERVER:-}" ] && "$WINESERVER" -k >/dev/null 2>&1
  kill "$xvfb_pid" >/dev/null 2>&1
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# ---- Windows test binary ---------------------------------------------------------------
echo "== Windows tests under Wine"
(
  . tools/wine-env.sh test
  cd "$root/build/win64"
  timeout 900 "$WINE" pivola_wintests.exe --gtest_color=no
) >"$logs/win32.log" 2>&1
rc=$?
ok=$(grep -E "^\[  PASSED  \] [0-9]+ test" "$logs/win32.log" | sed -E 's/.*\] ([0-9]+) test.*/\1/' | tail -n 1)
bad=$(grep -E "^\[  FAILED  \] [0-9]+ test" "$logs/win32.log" | sed -E 's/.*\] ([0-9]+) test.*/\1/' | tail -n 1)
ok=${ok:-0}
bad=${bad:-0}
if [ "$rc" != 0 ] && [ "$bad" = 0 ]; then bad=1; fi
passed=$((passed + ok))
failed=$((failed + bad))
echo "   $ok passed, $bad failed (exit code $rc)"
if [ "$bad" != 0 ]; then
  grep -E "^\[  FAILED  \]|Failure|error" "$logs/win32.log" | head -n 40
  note_failure "Windows tests (see build/test-logs/win32.log)"
fi

# ---- end to end ------------------------------------------------------------------------
echo "== end-to-end scripts under Wine"
for script in tests/e2e/[0-9]*.sh; do
  name=$(basename "$script" .sh)
  if timeout 600 bash "$script" >"$logs/e2e-$name.log" 2>&1; then
    passed=$((passed + 1))
    echo "   ok      $name"
  else
    failed=$((failed + 1))
    echo "   FAILED  $name"
    tail -n 15 "$logs/e2e-$name.log" | sed 's/^/           /'
    note_failure "$name (see build/test-logs/e2e-$name.log)"
  fi
done

# ---- hardening: the native suites under the sanitizers, a short run of each fuzz target ----
echo "== native tests under the address and undefined-behaviour sanitizers"
if [ -d build/native-asan ]; then
  # A memory error or undefined behaviour ends the test program, so its tests fail.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build/native-asan -j"$(nproc 2>/dev/null || echo 2)" --timeout 900 --output-on-failure \
    >"$logs/native-asan.log" 2>&1
  summary=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$logs/native-asan.log" | tail -n 1)
else
  summary=""
fi
if [ -n "$summary" ]; then
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  echo "   $summary"
  if [ "$bad" != 0 ]; then
    grep -E "^\s+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)\)" "$logs/native-asan.log" | head -n 50
    note_failure "native tests under the sanitizers (see build/test-logs/native-asan.log)"
  fi
else
  echo "   the sanitizer tests did not run (build them with: make asan)"
  failed=$((failed + 1))
  note_failure "native tests under the sanitizers did not run"
fi

echo "== fuzz targets, ${FUZZ_SMOKE_SECONDS:-15} seconds each"
while read -r line; do
  echo "   $line"
  case "$line" in
    ok*) passed=$((passed + 1)) ;;
    FAILED*) failed=$((failed + 1)); note_failure "${line#FAILED  }" ;;
  esac
done < <(tests/fuzz/run.sh "${FUZZ_SMOKE_SECONDS:-15}" 2>&1 | grep -E "^(ok|FAILED)")

if [ ${#failures[@]} -gt 0 ]; then
  echo "Failed:"
  printf '  %s\n' "${failures[@]}"
fi
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
