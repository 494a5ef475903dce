#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote installed and driven by pointer and keys on a bare machine: no window manager, only a
# loopback that is down, no browser, only DejaVu Sans, an unwritable home.
#   program.sh CMAKE_COMMAND BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup xwininfo xprop xclip

"$1" --install "$2" --prefix "$work/prefix" >"$work/install.log"
program="$work/prefix/bin/dialnote"
mkdir -p "$work/empty-bin"
bare=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u DBUS_SESSION_BUS_ADDRESS XDG_CACHE_HOME="$work/cache"
  PATH="$work/empty-bin" HOME=/dev/null/home FONTCONFIG_FILE="$(realpath "$(dirname "$0")/../gui/fonts.conf")"
  QT_QPA_PLATFORM=xcb)
! unshare -rn true 2>/dev/null || bare=(unshare -rn "${bare[@]}")

echo "-- the splash window comes first, alone"
"${bare[@]}" "$program" >"$work/program.log" 2>&1 &
app_pid=$!
one_window() { [ "$(visible_windows | wc -l)" -eq 1 ]; }
poll 20 one_window || fail "no window appeared"
splash_seen=$(now)
splash=$(visible_windows)
[ "$(size_of "$splash")" = "332x130" ] || fail "the first window is $(size_of "$splash"), not 332x130"

echo "-- the main window takes over"
main_window_alone() {
  main=$(visible_windows)
  [ "$(wc -w <<<"$main")" -eq 1 ] && [ "$main" != "$splash" ] && [ "$(size_of "$main")" = "348x429" ]
}
poll 20 main_window_alone || fail "the main window did not replace the splash"
splash_stayed "$splash_seen"
[ "$(xdotool getwindowname "$main")" = "دايالنوت" ] || fail "the main window is not named دايالنوت"
xprop -id "$main" WM_CLASS | grep -q '"Dialnote"' || fail "the window class is not Dialnote"

echo "-- typing 784 shows its explanation"
focused() { [ "$(xdotool getwindowfocus)" = "$main" ]; }
poll 5 focused || fail "the main window did not take the keyboard"
xdotool type --delay 40 784
read -r left top <<<"$(place_of "$main")"
poll 10 copies_784 $((left + 172)) $((top + 334)) >"$work/copied" || fail "$(tail -n 1 "$work/copied")"

echo "-- the web button, with no browser to open, changes nothing"
xdotool mousemove $((left + 164)) $((top + 404)) click 1
sleep 0.5
[ "$(visible_windows)" = "$main" ] || fail "after the web button the windows are: $(visible_windows)"

echo "-- dragging the title strip"
xdotool mousemove $((left + 100)) $((top + 15)) mousedown 1
xdotool mousemove $((left + 120)) $((top + 25))
xdotool mousemove $((left + 140)) $((top + 40)) mouseup 1
moved() { [ "$(place_of "$main")" = "$((left + 40)) $((top + 25))" ]; }
poll 5 moved || fail "the window is at $(place_of "$main"), not $((left + 40)) $((top + 25))"
read -r left top <<<"$(place_of "$main")"

echo "-- the close image ends the program"
xdotool mousemove $((left + 17)) $((top + 15)) click 1
poll 10 app_ended || fail "the program is still running"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
echo "-- passed"
