#!/usr/bin/env bash
# Runs a test binary as an ordinary user, so that file permissions bite:
# as root, as the user nobody with a scratch home; as anyone else, as they
# are. Usage: as_ordinary_user.sh BINARY [ARGS...]. Exit 77: skipped.
set -u
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
command -v setpriv >/dev/null || { echo "SKIPPED: setpriv is missing"; exit 77; }
id nobody >/dev/null 2>&1 || { echo "SKIPPED: no user 'nobody'"; exit 77; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chown nobody "$home"
cd "$home" || exit 1
setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
  env HOME="$home" XDG_RUNTIME_DIR="$home" TMPDIR="$home" "$@"
