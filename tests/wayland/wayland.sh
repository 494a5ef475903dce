#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote as a native client of headless weston: splash, then main window, corners see-through.
#   wayland.sh CMAKE_COMMAND BUILD_DIR [SCALE]   exits 77 without weston or qt6-wayland
set -uo pipefail
cmake_command=$1 build_dir=$2 scale=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
background=207040   # the desktop's colour, which the corners must show

command -v weston-screenshooter >/dev/null || { echo "skipped: no weston"; exit 77; }
plugin_dir=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugin_dir"/platforms/libqwayland-* >/dev/null 2>&1 || { echo "skipped: no qt6-wayland"; exit 77; }

source "$here/../e2e/lib.sh"
work=$(mktemp -d)
trap e2e_cleanup EXIT

"$cmake_command" --install "$build_dir" --prefix "$work/prefix" >/dev/null || fail "install"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff%s\npanel-position=none\n' \
  "$background" >"$work/weston.ini"
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --scale="$scale" \
  --socket=dialnote-test --config="$work/weston.ini" --debug >"$work/weston.log" 2>&1 &
display_pid=$!
poll 10 test -S "$XDG_RUNTIME_DIR/dialnote-test" || fail "weston did not start: $(tail -n 20 "$work/weston.log")"
export WAYLAND_DISPLAY=dialnote-test

# shows WIDTH: until a screenshot holds a window that wide, then its corners.
shows() {
  local status=2 shot
  for _ in $(seq 40); do
    rm -rf "$work/shots" && mkdir "$work/shots"
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1)
    shot=$(ls "$work"/shots/*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] && { "$here/corners.py" "$shot" "$1" "$scale" "$background" >"$work/corners.txt"; status=$?; }
    [ "$status" -ne 2 ] && break
    sleep 0.25
  done
  cat "$work/corners.txt"
  [ "$status" -eq 0 ] || { cp "$shot" "${build_dir}/wayland-$1-x$scale.png" 2>/dev/null; return 1; }
}

QT_QPA_PLATFORM=wayland "$work/prefix/bin/dialnote" >"$work/program.log" 2>&1 &
app_pid=$!
echo "-- the splash window, with see-through corners"
shows 332 || fail "the splash did not show with see-through corners"
echo "-- the main window takes over, with see-through corners"
shows 348 || fail "the main window did not show with see-through corners"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended by itself"
stop "$app_pid"
app_pid=""
if grep -iE 'wayland|surface|protocol|warning|error' "$work/program.log"; then
  fail "the program complained under Wayland"
fi
echo "passed: both windows show the desktop through their top corners under weston at scale $scale"
