#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote.exe end to end under Wine at LogPixels DPI: splash then main window at their scaled
# sizes with see-through corners and no key colour, 784 typed and copied, about box, exit status 0,
# no text clipped (text_fit_probe), and no timeBeginPeriod/timeSetEvent in the relay trace. A
# regsvr32.exe planted beside it and in the current folder never runs, while the system's registers
# the marker components beside it (so nothing started at all cannot pass).
#   e2e.sh DPI DIALNOTE_EXE TEXT_FIT_PROBE_EXE PLANTED_REGSVR32_EXE MARKER_COMPONENT_DLL
set -euo pipefail
dpi=$1
exe=$(realpath "$2")
probe=$(realpath "$3")
planted=$(realpath "$4")
pictures=$(dirname "$exe")
source "$(dirname "$0")/prefix.sh"
e2e_setup wine xwininfo xclip import
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
wine_fresh_prefix "$WINEPREFIX"
# probe DPI: no text clipped; how many explanations are longer than their box shows.
probe() {
  wine "$probe" "$1" >"$work/probe-$1.log" 2>&1 || { cat "$work/probe-$1.log" >&2; fail "text clipped at $1 dpi"; }
  sed -n 's/.*explanations longer: \([0-9]*\).*/\1/p' "$work/probe-$1.log"
}
longer_at_100=$(probe 96)  # at 100 % first
wineserver -k 2>/dev/null || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
  /d 'winmm.timeSetEvent;winmm.timeBeginPeriod;winmm.timeEndPeriod;user32.SetTimer' /f >/dev/null 2>&1
wineserver --wait || true

scaled() { awk -v n="$1" -v dpi="$dpi" 'BEGIN {printf "%d", n * dpi / 96 + 0.5}'; }
# The window whose size is W x H, within a pixel when scaled.
slack=$((dpi == 96 ? 0 : 1))
window_near() {
  xwininfo -root -tree | awk -v w="$1" -v h="$2" -v slack="$slack" '
    match($0, / [0-9]+x[0-9]+\+/) {
      split(substr($0, RSTART + 1, RLENGTH - 2), size, "x")
      if (size[1] - w <= slack && w - size[1] <= slack && size[2] - h <= slack && h - size[2] <= slack) print $1
    }' | head -n 1
}
root_colour=$(import -window root -depth 8 -crop 1x1+0+0 txt:- 2>/dev/null | awk 'NR == 2 {print $3}')

# check_window ID NAME PICTURE: corners show the desktop, no key colour, top rows whole.
check_window() {
  local id=$1 name=$2 picture=$3 left top size width height
  read -r left top <<<"$(place_of "$id")"
  size=$(size_of "$id")
  width=${size%x*} height=${size#*x}
  import -window root -depth 8 -crop "${width}x${height}+${left}+${top}" "$work/$name.txt" 2>/dev/null
  import -window "$id" "$picture" 2>/dev/null || true
  pixel() { awk -v at="$1,$2:" '$1 == at {print $3; exit}' "$work/$name.txt"; }
  corners="0 $((width - 1))"
  [ "$dpi" != 96 ] || corners+=" 4 $((width - 5))"  # at 100 %, the whole rounded corner
  for x in $corners; do
    [ "$(pixel "$x" 0)" = "$root_colour" ] ||
      fail "$name: corner pixel $x,0 is $(pixel "$x" 0), not the desktop's $root_colour"
  done
  fringe=$(awk '$3 == "#00FFFF" {printf "%s ", $1}' "$work/$name.txt" | head -c 60)
  [ -z "$fringe" ] || fail "$name: key-colour pixels at ${fringe}(see $picture)"
  for y in $(seq 0 $(($(scaled 12) - 1))); do
    [ "$(pixel $((width / 2)) "$y")" != "$root_colour" ] ||
      fail "$name: row $y is see-through in the middle (see $picture)"
  done
  [ "$dpi" != 96 ] || [ "$(pixel 5 0)" = "#2A4DAB" ] || fail "$name: the title strip's edge at 5,0 is $(pixel 5 0)"
  echo "   $name: ${width}x${height}, corners clear, no key colour, $(basename "$picture")"
}

mkdir "$work/program" "$work/current"
components=(MSWINSCK.ocx MS_XTools.ocx SkinControl.ocx)
for file in "${components[@]}"; do cp "$5" "$work/program/$file"; done
cp "$exe" "$work/program/Dialnote.exe"
cp "$planted" "$work/current/regsvr32.exe"
wine "$work/current/regsvr32.exe" /s check >/dev/null 2>&1 || true
[ -e "$work/current/started.txt" ] || fail "the planted tool noted nothing when it ran"
rm "$work/current/started.txt"
cp "$planted" "$work/program/regsvr32.exe"
(cd "$work/current" && WINEDEBUG=-all,+relay exec wine "$work/program/Dialnote.exe" 691) \
  >"$work/program.out" 2>"$work/trace.log" &
app_pid=$!
echo "-- the splash window comes first, at $(scaled 332)x$(scaled 130)"
splash_shown() { splash=$(window_near "$(scaled 332)" "$(scaled 130)"); [ -n "$splash" ]; }
poll 60 splash_shown || fail "no splash window of $(scaled 332)x$(scaled 130): $(xwininfo -root -tree | grep -E '[0-9]+x[0-9]+\+' | head)"
splash_seen=$(now)
sleep 1  # its labels drawn
check_window "$splash" splash "$pictures/wine-splash-${dpi}dpi.png"

echo "-- the main window takes over, at $(scaled 348)x$(scaled 429)"
main_alone() {
  main=$(window_near "$(scaled 348)" "$(scaled 429)")
  [ -n "$main" ] && [ -z "$(window_near "$(scaled 332)" "$(scaled 130)")" ]
}
poll 20 main_alone || fail "the main window did not replace the splash"
splash_stayed "$splash_seen"
read -r left top <<<"$(place_of "$main")"
at() { echo $((left + $(scaled "$1"))) $((top + $(scaled "$2"))); }

echo "-- typing 784 shows its explanation"
xdotool mousemove $(at 136 200) click 1 key End BackSpace BackSpace BackSpace
xdotool type --delay 60 784
sleep 1
check_window "$main" "main window" "$pictures/wine-main-window-${dpi}dpi.png"
poll 15 copies_784 $(at 172 334) >"$work/copied" || fail "$(tail -n 1 "$work/copied")"

echo "-- the system's regsvr32 registered each component twice (creation, activation)"
registered_all() {
  for file in "${components[@]}"; do
    [ "$(grep -c registered "$work/program/$file.registered" 2>/dev/null || true)" -ge 2 ] || return 1
  done
}
poll 60 registered_all || fail "the system's regsvr32 did not register the components: $(ls -l "$work/program")"

echo "-- the about box opens and closes"
xdotool mousemove $(at 60 404) click 1
about_open() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [ "$(size_of "$id")" != "$(size_of "$main")" ] && about=$id && return 0
  done
  return 1
}
poll 15 about_open || fail "no about box appeared"
xdotool windowactivate --sync "$about" 2>/dev/null || true
xdotool key --window "$about" Return
about_closed() { ! xwininfo -id "$about" 2>/dev/null | grep -q 'IsViewable'; }
poll 10 about_closed || fail "the about box did not close"

echo "-- the exit button ends the program with status 0"
xdotool mousemove $(at 284 404) click 1
ended() { ! kill -0 "$app_pid" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$app_pid/stat")" = Z ]; }
poll 20 ended || fail "the program is still running"
wait "$app_pid" && status=0 || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -s "$work/program.out" ] || fail "Dialnote.exe printed $(head -c 200 "$work/program.out")"
wineserver -k 2>/dev/null || true
for folder in program current; do
  [ ! -e "$work/$folder/started.txt" ] || fail "the regsvr32 planted in $folder ran: $(cat "$work/$folder/started.txt")"
done

echo "-- the window timers alone"
calls() { grep -c "Call $1(" "$work/trace.log" || true; }
[ "$(calls user32.SetTimer)" -gt 0 ] || fail "the trace shows no SetTimer: $(head -c 2000 "$work/trace.log")"
[ "$(calls winmm.timeSetEvent)" -eq 0 ] || fail "the multimedia timer was used"
[ "$(calls winmm.timeBeginPeriod)" -eq 0 ] || fail "the timer resolution was raised"

if [ "$dpi" != 96 ]; then
  echo "-- no text clipped at $dpi dpi"
  longer=$(probe "$dpi")
  [ -n "$longer" ] && [ -n "$longer_at_100" ] || fail "the probe counted no explanations"
  [ "$longer" -le "$longer_at_100" ] ||
    fail "$longer explanations outgrow their box at $dpi dpi, against $longer_at_100 at 96 dpi"
fi
echo "-- passed"
