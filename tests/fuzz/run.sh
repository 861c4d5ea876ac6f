#!/usr/bin/env bash
# Runs each fuzz target for a given time: tests/fuzz/run.sh SECONDS [TARGET...] (targets by
# their short name, as "bmp" for bmp_fuzz; all of them when none is named). Each target
# starts from its seeds in tests/fuzz/seeds/ and grows a corpus of its own in build/fuzz;
# an input that crashes lands in build/fuzz/artifacts/. Prints one line per target and
# exits non-zero when any of them found a fault.
set -u
cd "$(dirname "$0")/../.."
seconds=${1:-300}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" _fuzz.cpp)"); done
fi
mkdir -p build/fuzz/artifacts build/fuzz/logs
status=0
for t in "${targets[@]}"; do
  exe=build/fuzz/${t}_fuzz
  corpus=build/fuzz/corpus/$t
  log=build/fuzz/logs/$t.log
  mkdir -p "$corpus"
  if [ ! -x "$exe" ]; then
    echo "FAILED  fuzz $t (no $exe; build it with: make fuzz)"
    status=1
    continue
  fi
  # Undefined behaviour is built to stop the run; leaks of a single input are real too.
  if ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$exe" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
       -artifact_prefix="build/fuzz/artifacts/$t-" "$corpus" "tests/fuzz/seeds/$t" >"$log" 2>&1; then
    runs=$(grep -E "^stat::number_of_executed_units:" "$log" | awk '{print $2}')
    echo "ok      fuzz $t (${runs:-?} inputs in ${seconds}s)"
  else
    echo "FAILED  fuzz $t (see $log)"
    grep -E "ERROR: |broken promise|runtime error|SUMMARY|Test unit written" "$log" | head -n 8 | sed 's/^/          /'
    status=1
  fi
done
exit $status
