#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Quiet and quick when everything is already there.
set -euo pipefail
pkgs=(cmake make g++ qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev
      libgl-dev libgtest-dev fonts-dejavu-core xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
