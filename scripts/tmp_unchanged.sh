#!/usr/bin/env bash
# Runs the command given with a temporary folder of its own (TMPDIR) and
# fails when anything is left in it afterwards. A folder of its own, not a
# listing of /tmp: others' programs and test runs come and go there at the
# same time. Usage: tmp_unchanged.sh COMMAND...
set -u
base=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$base/orvelle-tests.XXXXXX" 2>/dev/null)
if [ -z "$scratch" ]; then
  echo "temporary folder check: cannot make a folder in $base; running the tests unchecked"
  exec "$@"
fi
# Some cases run as an ordinary user and make their folders here too.
chmod 1777 "$scratch"
echo "temporary folder check: the tests get $scratch; it must be empty after them"
TMPDIR=$scratch "$@"
status=$?
left=$(find "$scratch" -mindepth 1 -maxdepth 1 -printf '%f\n' 2>/dev/null | LC_ALL=C sort)
rm -rf "$scratch"
if [ -n "$left" ]; then
  echo "FAILED: the tests left these in the temporary folder:" >&2
  printf '  %s\n' $left | head -20 >&2
  exit 1
fi
exit "$status"
