#!/usr/bin/env bash
# Runs the command given and fails when it left anything new or changed in
# the invoking user's home folder. The compiler cache is left out: builds
# write it, tests never do. Folders count by name only, so a file made and
# removed again leaves no trace. Usage: home_unchanged.sh COMMAND...
set -u
home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
if [ -z "$home" ] || [ ! -d "$home" ]; then
  echo "home check: no home folder (HOME='$home'); running the tests unchecked"
  exec "$@"
fi

listing() {
  find "$home" -xdev -path "$home/.cache/ccache" -prune -o \
    \( -type d -printf '%P\td\n' \) -o -printf '%P\t%y\t%s\t%T@\n' 2>/dev/null | LC_ALL=C sort
}

before=$(mktemp)
after=$(mktemp)
trap 'rm -f "$before" "$after"' EXIT
listing >"$before"
echo "home check: $home listed ($(wc -l <"$before") entries); compared again after the tests"
"$@"
status=$?
listing >"$after"
changed=$(LC_ALL=C comm -13 "$before" "$after" | cut -f1)
if [ -n "$changed" ]; then
  echo "FAILED: the tests left new or changed files in $home:" >&2
  printf '  %s\n' $changed | head -20 >&2
  exit 1
fi
exit "$status"
