#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote on a bare machine: no network interface but the loopback (in a
# private network namespace, where the system allows one), no browser on the
# PATH, no Tahoma or Vazirmatn (fontconfig sees only DejaVu Sans), and a home
# folder nobody can write to. environment_check looks inside the windows;
# then the installed program itself starts, survives the web button and ends
# through its close image with status 0.
#   environment.sh CHECK_PROGRAM CMAKE_COMMAND BUILD_DIR
set -euo pipefail
check_program=$1
cmake_command=$2
build_dir=$3

source "$(dirname "$0")/lib.sh"
e2e_setup xwininfo

"$cmake_command" --install "$build_dir" --prefix "$work/prefix" >"$work/install.log"
program="$work/prefix/bin/dialnote"

# Fonts: DejaVu Sans alone, with a cache of its own.
dejavu=$(fc-match -f '%{file}' 'DejaVu Sans')
[ -f "$dejavu" ] || fail "DejaVu Sans is not installed"
mkdir -p "$work/fonts"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$(dirname "$dejavu")</dir>
  <cachedir>$work/fonts</cachedir>
</fontconfig>
CONF

# No browser: a PATH with nothing on it. A home folder that cannot be made
# or written, not even by root.
mkdir -p "$work/empty-bin"
bare=(env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u DBUS_SESSION_BUS_ADDRESS
  PATH="$work/empty-bin" HOME=/dev/null/home FONTCONFIG_FILE="$work/fonts.conf"
  QT_QPA_PLATFORM=xcb)
# No network: a private network namespace, whose only interface is a loopback
# that is down.
if unshare -rn true 2>/dev/null; then
  bare=(unshare -rn "${bare[@]}")
  echo "-- in a private network namespace"
else
  echo "-- no private network namespace on this system; the address check is skipped"
  bare+=(DIALNOTE_NETWORK_PRESENT=1)
fi

echo "-- inside the windows"
"${bare[@]}" "$check_program" || fail "the windows do not hold up in a bare environment"

echo "-- the installed program"
"${bare[@]}" "$program" >"$work/program.log" 2>&1 &
app_pid=$!
# The main window alone: the splash leaves just after it appears.
main_window_alone() {
  local windows
  windows=$(visible_windows)
  [ "$(echo "$windows" | wc -w)" -eq 1 ] && [ "$(size_of "$windows")" = "348x429" ]
}
poll 20 main_window_alone || fail "the main window did not replace the splash"
main=$(visible_windows)
read -r left top <<<"$(place_of "$main")"
xdotool mousemove $((left + 164)) $((top + 404)) click 1  # the web-site button
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "the web-site button without a browser ended the program"
xdotool mousemove $((left + 17)) $((top + 15)) click 1  # the close image
status=0
poll 10 bash -c "! kill -0 $app_pid 2>/dev/null || grep -q '^[^ ]* ([^)]*) Z' /proc/$app_pid/stat" ||
  fail "the program is still running"
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "-- passed"
