#!/usr/bin/env bash
# Started where there is no display, the program ends as its entry point
# says (-1, exit status 255) with one line on the terminal, not with the
# toolkit's abort and core dump.
# Usage: no_display_test.sh PROGRAM
set -u
program=$1
limit_s=30   # a program that found a display after all would run on
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout "$limit_s" "$program" 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 255 ]; then
  printf 'FAILED: exit status %s, expected 255\n%s\n' "$status" "$err"
  exit 1
fi
lines=$(printf '%s\n' "$err" | grep -c .)
if [ "$lines" -ne 1 ]; then
  printf 'FAILED: %s lines on the terminal, expected one:\n%s\n' "$lines" "$err"
  exit 1
fi
echo "ok: $err"
