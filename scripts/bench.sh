#!/usr/bin/env bash
# Runs every benchmark; each prints its figures beside their limits.
set -uo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
status=0
for b in "$build"/bench/bench_* "$build"/bench/fuzz_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" || status=1
done
exit $status
