#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root, run the way an operator
# runs it: the entry and icon are in place, --version and --help answer with
# no display, and a user who cannot write the program's folder gets the
# program's files in their own data folder, where the settings are read from,
# or, where it holds none, from beside the program.
# Usage: install_test.sh BUILD_DIR VERSION. Exit 77: skipped.
set -euo pipefail
build=$1
version=$2
limit_s=30   # longest wait for the program or the simulator

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

for tool in cpack dpkg-deb desktop-file-validate; do
  command -v "$tool" >/dev/null || skip "$tool is missing (make deps installs it)"
done
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || skip "setpriv is missing: cannot run as another user"
  id nobody >/dev/null 2>&1 || skip "no user 'nobody' to run the program as"
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
chmod 755 "$tmp"

# Waits up to limit_s for the condition given as a command.
await() {
  local end=$((SECONDS + limit_s))
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.1
  done
}

# ---- the package and its files ------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack did not build the package"; }
deb=$(ls "$tmp"/pkg/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in qt6-qpa-plugins libqt6widgets6 libqt6serialport6 libqt6network6; do
  [[ "$depends" == *"$dep"* ]] || fail "the package does not depend on $dep: $depends"
done
dpkg-deb -x "$deb" "$tmp/root"
prefix=$tmp/root/usr
for f in bin/orvelle bin/orvelle-sensor-sim share/applications/orvelle.desktop \
         share/icons/hicolor/256x256/apps/orvelle.png share/orvelle/orvelle_logo.png; do
  [ -e "$prefix/$f" ] || fail "the package lacks /usr/$f"
done
desktop-file-validate "$prefix/share/applications/orvelle.desktop" ||
  fail "the desktop entry is not valid"

# ---- answers on the terminal, no display needed ------------------------
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out=$("${no_display[@]}" "$prefix/bin/orvelle" --version)
[ "$out" = "orvelle $version" ] || fail "--version said '$out'"
"${no_display[@]}" "$prefix/bin/orvelle" --help | grep -q '^Usage: orvelle' ||
  fail "--help gave no usage"

# ---- a user without write access to the program's folder ---------------
if [ ${#as_user[@]} -eq 0 ]; then
  chmod -R a-w "$tmp/root"   # not root: take the write access away
fi
home=$tmp/home
mkdir -p "$home"
[ ${#as_user[@]} -eq 0 ] || chown nobody "$home"
"${as_user[@]}" test -w "$prefix/bin" && fail "the program's folder is writable for the user"
folder=$home/.local/share/orvelle

# Starts the unpacked program as the user, headless; its pid in prog.
start_program() {
  env -i PATH=/usr/bin:/bin HOME="$1" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    "${as_user[@]}" "$prefix/bin/orvelle" >>"$tmp/program.log" 2>&1 &
  prog=$!
  pids+=("$prog")
}
stop_program() {
  kill -0 "$prog" 2>/dev/null || { cat "$tmp/program.log"; fail "the program ended by itself"; }
  kill "$prog"
  wait "$prog" 2>/dev/null || true
}
before=$(ls -A "$prefix/bin")

# First start: no settings yet; the user's folder is made.
start_program "$home"
await test -d "$folder" || fail "the program made no $folder"
stop_program

# The settings in the user's folder are the ones used: they name the
# simulator, which then hears from the program.
"$prefix/bin/orvelle-sensor-sim" --tcp 127.0.0.1:0 --log-frames="$tmp/frames.log" \
  >"$tmp/sim.out" 2>&1 &
pids+=($!)
await grep -qs '^TCP ' "$tmp/sim.out" || { cat "$tmp/sim.out"; fail "the simulator did not start"; }
port=$(sed -n 's/^TCP [0-9.]*:\([0-9]*\).*/\1/p' "$tmp/sim.out")
printf '1\r\n1\r\n127.0.0.1\r\n%s\r\n' "$port" >"$folder/ComSettings.cfg"
chmod 644 "$folder/ComSettings.cfg"
start_program "$home"
requests() { [ "$(grep -c ' RX ' "$tmp/frames.log" 2>/dev/null)" -ge 3 ]; }
await requests || { cat "$tmp/program.log"; fail "the program did not use $folder/ComSettings.cfg"; }
stop_program

# A plant's default beside the installed program is read where the user's
# folder holds no settings; the user's folder still gets no file of its own.
rm "$folder/ComSettings.cfg"
[ ${#as_user[@]} -gt 0 ] || chmod u+w "$prefix/bin"
printf '1\r\n1\r\n127.0.0.1\r\n%s\r\n' "$port" >"$prefix/bin/ComSettings.cfg"
chmod 444 "$prefix/bin/ComSettings.cfg"
[ ${#as_user[@]} -gt 0 ] || chmod a-w "$prefix/bin"
heard=$(grep -c ' RX ' "$tmp/frames.log")
start_program "$home"
more_requests() { [ "$(grep -c ' RX ' "$tmp/frames.log")" -ge $((heard + 3)) ]; }
await more_requests ||
  { cat "$tmp/program.log"; fail "the program did not use the ComSettings.cfg beside it"; }
stop_program
[ ! -e "$folder/ComSettings.cfg" ] || fail "start-up wrote settings into $folder"
chmod u+w "$prefix/bin"
rm "$prefix/bin/ComSettings.cfg"
[ ${#as_user[@]} -gt 0 ] || chmod a-w "$prefix/bin"

# Root, too, leaves an installed program's folder alone.
if [ ${#as_user[@]} -gt 0 ]; then
  as_user=()
  start_program "$tmp/roothome"
  await test -d "$tmp/roothome/.local/share/orvelle" || fail "root's data folder was not made"
  stop_program
fi
[ "$(ls -A "$prefix/bin")" = "$before" ] || fail "files appeared beside the program: $(ls -A "$prefix/bin")"
echo "package $(basename "$deb"): files, desktop entry, --version, --help, user data folder: all right"
