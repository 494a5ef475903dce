#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote.exe end to end under Wine on a virtual X display, in a fresh Wine
# prefix: the splash comes first and hands over after about five seconds;
# the main window is 348 x 429, borderless, with see-through top corners;
# typing 784 shows its explanation (copied through the clipboard); the about
# box opens and closes; the exit button ends the program with status 0. It
# is started with a code, which it does not read.
#   e2e.sh DIALNOTE_EXE
set -euo pipefail
exe=$(realpath "$1")
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/prefix.sh"
e2e_setup xwininfo xclip import wine
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
now() { date +%s.%N; }

echo "-- a fresh Wine prefix, with Wine's fonts"
wine_fresh_prefix "$WINEPREFIX"

windows_of_size() {
  xwininfo -root -tree | awk -v size="$1" '$0 ~ " "size"\\+" {print $1}'
}
one_of_size() { [ -n "$(windows_of_size "$1")" ] && [ "$(windows_of_size "$1" | wc -l)" -eq 1 ]; }

# Given a code, Dialnote.exe opens its windows all the same, and prints nothing.
wine "$exe" 691 >"$work/program.out" 2>"$work/program.log" &
app_pid=$!
echo "-- the splash window comes first"
poll 60 one_of_size 332x130 || fail "no 332x130 splash window appeared"
splash_seen=$(now)
echo "-- the main window takes over"
main_alone() { one_of_size 348x429 && [ -z "$(windows_of_size 332x130)" ]; }
poll 20 main_alone || fail "the main window did not replace the splash"
splash_seconds=$(awk -v from="$splash_seen" -v to="$(now)" 'BEGIN {printf "%.2f", to - from}')
echo "   the splash stayed ${splash_seconds} s"
awk -v s="$splash_seconds" 'BEGIN {exit !(s > 3)}' || fail "the splash left after ${splash_seconds} s"
main=$(windows_of_size 348x429)
read -r left top <<<"$(place_of "$main")"

echo "-- the top corners are see-through"
import -window root -depth 8 -crop 348x2+"$left"+"$top" "$work/top.txt" 2>/dev/null
pixel() { awk -v at="$1,$2:" '$1 == at {print $3}' "$work/top.txt"; }
root_colour=$(import -window root -depth 8 -crop 1x1+0+0 txt:- 2>/dev/null | awk 'NR == 2 {print $3}')
for x in 0 4 343 347; do
  [ "$(pixel "$x" 0)" = "$root_colour" ] || fail "corner pixel $x,0 is $(pixel "$x" 0), not the desktop's $root_colour"
done
[ "$(pixel 5 0)" = "#2A4DAB" ] || fail "the title strip's edge at 5,0 is $(pixel 5 0)"

echo "-- typing 784 shows its explanation"
xdotool mousemove $((left + 136)) $((top + 200)) click 1 key End BackSpace BackSpace BackSpace
xdotool type --delay 60 784
expected="در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) روي كارت smart آنرا پيكربندي كنيد ."
copied_explanation() {
  xdotool mousemove $((left + 172)) $((top + 334)) click 1 key ctrl+a key ctrl+c
  sleep 0.3
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$expected" ]
}
poll 15 copied_explanation ||
  fail "the explanation box holds: $(xclip -o -selection clipboard 2>/dev/null)"
# A picture for a person to look at, beside the program.
import -window "$main" "$(dirname "$exe")/wine-main-window.png" 2>/dev/null || true

echo "-- the about box opens and closes"
windows_before=$(xwininfo -root -tree | grep -c '^ *0x' || true)
xdotool mousemove $((left + 60)) $((top + 404)) click 1
about_open() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    [ "$(size_of "$id")" = "348x429" ] && continue
    about=$id
    return 0
  done
  return 1
}
poll 15 about_open || fail "no about box appeared"
echo "   the about box: $(xdotool getwindowname "$about" 2>/dev/null) ($(size_of "$about"))"
xdotool windowactivate --sync "$about" 2>/dev/null || true
xdotool key --window "$about" Return
about_closed() { ! xwininfo -id "$about" 2>/dev/null | grep -q 'IsViewable'; }
poll 10 about_closed || fail "the about box did not close"

echo "-- the exit button ends the program with status 0"
xdotool mousemove $((left + 284)) $((top + 404)) click 1
ended() { ! kill -0 "$app_pid" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$app_pid/stat")" = Z ]; }
poll 20 ended || fail "the program is still running"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -s "$work/program.out" ] || fail "Dialnote.exe printed $(head -c 200 "$work/program.out")"
wineserver -k 2>/dev/null || true
echo "-- passed"
