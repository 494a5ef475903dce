#!/usr/bin/env bash
# Dialnote end to end, as a user meets it: the program installed into a
# temporary prefix, started on a virtual X display without a window manager,
# and driven with real pointer and keyboard input.
#   program.sh CMAKE_COMMAND BUILD_DIR
# Checks: the splash comes first and alone, the main window takes over
# after about five seconds, typing 784 shows its explanation (copied from the
# explanation box through the clipboard), dragging the title strip moves the
# window, and the close image ends the program with status 0.
set -euo pipefail

cmake_command=$1
build_dir=$2

for tool in Xvfb xdotool xwininfo xprop xclip; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps test)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
# Ends what this script started, by process id, and does not wait forever.
stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
cleanup() {
  if [ -n "$app_pid" ]; then stop "$app_pid"; fi
  if [ -n "$xvfb_pid" ]; then stop "$xvfb_pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}
now() { date +%s.%N; }

# Runs its arguments until they succeed, for at most $1 seconds.
poll() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
place_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
                           END {print x, y}'
}

echo "-- installing into a temporary prefix"
"$cmake_command" --install "$build_dir" --prefix "$work/prefix" >"$work/install.log"
program="$work/prefix/bin/dialnote"
[ -x "$program" ] || fail "the install holds no bin/dialnote"

echo "-- starting a virtual display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_written() { grep -q '^[0-9][0-9]*$' "$work/display"; }
poll 10 display_written || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
poll 10 xdotool getdisplaygeometry >/dev/null || fail "the display $DISPLAY does not answer"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
# A sanitizer build checks the program's own memory, not D-Bus's.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

echo "-- the splash window comes first, alone"
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app_pid=$!
one_window() { [ "$(visible_windows | wc -l)" -eq 1 ]; }
poll 20 one_window || fail "no window appeared"
splash_seen=$(now)
splash=$(visible_windows)
[ "$(size_of "$splash")" = "332x130" ] || fail "the first window is $(size_of "$splash"), not 332x130"
xprop -id "$splash" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_UTILITY ||
  fail "the splash is not a utility window, so it would get a taskbar button"

echo "-- the main window takes over"
main_window_alone() {
  local windows
  windows=$(visible_windows)
  [ "$(echo "$windows" | wc -w)" -eq 1 ] && [ "$windows" != "$splash" ] &&
    [ "$(size_of "$windows")" = "348x429" ]
}
poll 20 main_window_alone || fail "the main window did not replace the splash"
splash_seconds=$(awk -v from="$splash_seen" -v to="$(now)" 'BEGIN {printf "%.2f", to - from}')
echo "   the splash stayed ${splash_seconds} s"
awk -v s="$splash_seconds" 'BEGIN {exit !(s > 3)}' || fail "the splash left after only ${splash_seconds} s"
main=$(visible_windows)
[ "$(xdotool getwindowname "$main")" = "دايالنوت" ] || fail "the main window is not named دايالنوت"
xprop -id "$main" WM_CLASS | grep -q '"Dialnote"' || fail "the window class is not Dialnote"

echo "-- typing 784 shows its explanation"
focused() { [ "$(xdotool getwindowfocus)" = "$main" ]; }
poll 5 focused || fail "the main window did not take the keyboard"
xdotool type --delay 40 784
read -r left top <<<"$(place_of "$main")"
expected="در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) روي كارت smart آنرا پيكربندي كنيد ."
copied_explanation() {
  xdotool mousemove $((left + 172)) $((top + 334)) click 1 key ctrl+a key ctrl+c
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$expected" ]
}
poll 10 copied_explanation ||
  fail "the explanation box holds: $(xclip -o -selection clipboard 2>/dev/null)"

echo "-- dragging the title strip moves the window"
xdotool mousemove $((left + 100)) $((top + 15)) mousedown 1
xdotool mousemove $((left + 120)) $((top + 25))
xdotool mousemove $((left + 140)) $((top + 40)) mouseup 1
moved() { [ "$(place_of "$main")" = "$((left + 40)) $((top + 25))" ]; }
poll 5 moved || fail "the window is at $(place_of "$main"), not $((left + 40)) $((top + 25))"
read -r left top <<<"$(place_of "$main")"

echo "-- the close image ends the program"
xdotool mousemove $((left + 17)) $((top + 15)) click 1
# Gone, or a zombie waiting for this script to collect its status.
ended() {
  local state
  state=$(sed 's/.*) //' "/proc/$app_pid/stat" 2>/dev/null | cut -c1)
  [ -z "$state" ] || [ "$state" = Z ]
}
poll 10 ended || fail "the program is still running"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -z "$(xdotool search --class Dialnote 2>/dev/null || true)" ] || fail "a window was left behind"
echo "-- passed"
