#!/usr/bin/env bash
# Coverage-guided fuzzing. Builds the libraries and the fuzz targets of
# bench/fuzz/targets with clang, libFuzzer and the address and undefined-
# behaviour sanitizers in a folder of their own (build-fuzz), then runs each
# target for FUZZ_SECONDS (60) from its seed corpus in bench/fuzz/corpus.
# New inputs go to build-fuzz/corpus, findings to build-fuzz/findings; the
# repository is left as it was. Prints per target the executions per second,
# the coverage reached (edges) and the findings; exits 1 on any finding.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}
export QT_QPA_PLATFORM=offscreen
# Leaks are looked for after every input; the panels a target keeps open
# until the end are no leak.
export ASAN_OPTIONS="leak_check_at_exit=0"
export LSAN_OPTIONS="suppressions=$root/bench/fuzz/lsan.supp:print_suppressions=0"

cmake -S "$root" -B "$build" -DORVELLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build" -j "$jobs" --target fuzz_targets >/dev/null || exit 1

status=0
printf '%-22s %8s %12s %10s %9s\n' target seconds "execs/s" "coverage" findings
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  log="$build/findings/$name.log"
  mkdir -p "$corpus" "$findings"
  "$target" "$corpus" "$root/bench/fuzz/corpus/$name" -max_total_time="$seconds" \
      -print_final_stats=1 -artifact_prefix="$findings/" -close_fd_mask=1 >"$log" 2>&1
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  found=$(find "$findings" -type f | wc -l)
  printf '%-22s %8s %12s %10s %9s\n' "$name" "$seconds" "${execs:-?}" "${cov:-?}" "$found"
  if [ "$found" -gt 0 ]; then
    status=1
    find "$findings" -type f -printf '  finding: %p\n'
    echo "  log: $log"
  fi
done
exit $status
