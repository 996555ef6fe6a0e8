#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Quiet and quick when everything is already there.
set -euo pipefail
# dpkg-dev and file let `make package` find the package's dependencies;
# desktop-file-utils checks the desktop entry in the install test.
pkgs=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
      libgl-dev libgtest-dev fonts-dejavu-core xvfb xauth locales
      dpkg-dev file desktop-file-utils)
# `install-deps.sh fuzz` adds clang and its run-time libraries (libFuzzer,
# the sanitizers) for `make fuzz`; the tests never need them.
if [ "${1:-}" = fuzz ]; then
  pkgs+=(clang libclang-rt-14-dev)
fi
# `install-deps.sh mutate` adds the interpreter of scripts/mutate.py.
if [ "${1:-}" = mutate ]; then
  pkgs+=(python3)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The file-format tests run under a German locale too.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || true
fi
