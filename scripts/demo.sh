#!/usr/bin/env bash
# Starts the sensor simulator on a free loopback port and the program
# connected to it over TCP. Usage: scripts/demo.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
sim="$build/orvelle-sensor-sim"
prog="$build/orvelle"
settings="$build/ComSettings.cfg"
marker="$build/.demo-settings"

out=$(mktemp)
"$sim" --tcp 127.0.0.1:0 --eeprom "$build/demo-sensor-eeprom.dat" >"$out" 2>"$out.err" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; rm -f "$out" "$out.err"' EXIT
for _ in $(seq 50); do
  grep -q '^TCP ' "$out" && break
  sleep 0.1
done
port=$(sed -n 's/^TCP [0-9.]*:\([0-9]*\).*/\1/p' "$out" | head -n1)
if [ -z "$port" ]; then
  echo "The sensor simulator did not start:" >&2
  cat "$out.err" >&2
  exit 1
fi
echo "Sensor simulator listening on 127.0.0.1:$port"

# The program reads its connection settings from its own directory. An
# operator's own file is kept aside, never overwritten silently.
if [ -f "$settings" ] && ! cmp -s "$settings" "$marker" 2>/dev/null; then
  backup="$settings.operator-$(date +%Y%m%d-%H%M%S)"
  cp "$settings" "$backup"
  echo "Your $settings was saved as $backup; the demo uses its own settings."
fi
printf '1\r\n1\r\n127.0.0.1\r\n%s\r\n' "$port" >"$settings"
cp "$settings" "$marker"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running the program under Xvfb (invisible). Set DISPLAY to see it."
  xvfb-run -a "$prog"
else
  "$prog"
fi
