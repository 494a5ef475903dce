#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote.exe under Wine at LogPixels DPI: splash then main window at their scaled sizes with
# see-through corners and no key colour, 784 typed and copied, no text clipped (text_fit_probe).
# At 96 alone, what the scale cannot change:
# the about box, exit status 0, no timeBeginPeriod/timeSetEvent in the relay trace, a regsvr32.exe
# planted beside it or in the current folder never run, the system's registering the components.
#   e2e.sh DPI DIALNOTE_EXE TEXT_FIT_PROBE_EXE PLANTED_REGSVR32_EXE MARKER_COMPONENT_DLL
set -euo pipefail
dpi=$1
exe=$(realpath "$2")
probe=$(realpath "$3")
pictures=$(dirname "$exe")
source "$(dirname "$0")/prefix.sh"
e2e_setup wine xwininfo xclip import
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
wine_fresh_prefix "$WINEPREFIX"
# probe DPI: no text clipped. Judged by its report, not its status: under load Wine once ended
# it with a failure after "0 clipped".
probe() {
  wine "$probe" "$1" >"$work/probe-$1.log" 2>&1 || true
  grep -q '^0 clipped' "$work/probe-$1.log" || { cat "$work/probe-$1.log" >&2; fail "text clipped at $1 dpi"; }
}
reg_add() { wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
mkdir "$work/program" "$work/current"
cp "$exe" "$work/program/Dialnote.exe"
components=(MSWINSCK.ocx MS_XTools.ocx SkinControl.ocx)
trace=()
if [ "$dpi" = 96 ]; then
  reg_add 'HKCU\Software\Wine\Debug' RelayInclude REG_SZ \
    'winmm.timeSetEvent;winmm.timeBeginPeriod;winmm.timeEndPeriod;user32.SetTimer'
  trace=(WINEDEBUG=-all,+relay)
  for file in "${components[@]}"; do cp "$5" "$work/program/$file"; done
  # The stand-in notes in started.txt that it ran (as wine_command shows).
  for folder in program current; do cp "$4" "$work/$folder/regsvr32.exe"; done
  probe 96
else
  wineserver -k 2>/dev/null || true
  reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
  reg_add 'HKCC\Software\Fonts' LogPixels REG_DWORD "$dpi"
  wineserver --wait || true
  probe "$dpi"
fi

scaled() { awk -v n="$1" -v dpi="$dpi" 'BEGIN {printf "%d", n * dpi / 96 + 0.5}'; }
# The window whose size is W x H, within a pixel when scaled.
slack=$((dpi == 96 ? 0 : 1))
window_near() {
  xwininfo -root -tree | awk -v w="$1" -v h="$2" -v slack="$slack" '
    match($0, / [0-9]+x[0-9]+\+/) && split(substr($0, RSTART + 1, RLENGTH - 2), size, "x") &&
      (size[1] - w) ^ 2 <= slack && (size[2] - h) ^ 2 <= slack && !found++ {print $1}'
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
  holes=$(awk -v x=$((width / 2)) -v rows="$(scaled 12)" -v c="$root_colour" \
    'split($1, at, "[,:]") && at[1] == x && at[2] < rows && $3 == c {printf "%s ", at[2]}' "$work/$name.txt")
  [ -z "$holes" ] || fail "$name: rows ${holes}are see-through in the middle (see $picture)"
  [ "$dpi" != 96 ] || [ "$(pixel 5 0)" = "#2A4DAB" ] || fail "$name: the title strip's edge at 5,0 is $(pixel 5 0)"
}

(cd "$work/current" && exec env "${trace[@]}" wine "$work/program/Dialnote.exe" 691) \
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

xdotool mousemove $(at 136 200) click 1 key End BackSpace BackSpace BackSpace
xdotool type --delay 60 784
sleep 1
check_window "$main" "main window" "$pictures/wine-main-window-${dpi}dpi.png"
poll 15 copies_784 $(at 172 334) >"$work/copied" || fail "$(tail -n 1 "$work/copied")"

[ "$dpi" = 96 ] || exit 0  # the rest does not depend on the scale
registered_all() {  # twice each: at creation and activation
  for file in "${components[@]}"; do
    [ "$(grep -c registered "$work/program/$file.registered" 2>/dev/null || true)" -ge 2 ] || return 1
  done
}
poll 60 registered_all || fail "the system's regsvr32 did not register the components: $(ls -l "$work/program")"

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

xdotool mousemove $(at 284 404) click 1
poll 20 app_ended || fail "the program is still running"
wait "$app_pid" && status=0 || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -s "$work/program.out" ] || fail "Dialnote.exe printed $(head -c 200 "$work/program.out")"
wineserver -k 2>/dev/null || true
[ -z "$(find "$work/program" "$work/current" -name started.txt)" ] ||
  fail "a planted regsvr32 ran: $(cat "$work"/*/started.txt)"

calls() { grep -c "Call $1(" "$work/trace.log" || true; }
[ "$(calls user32.SetTimer)" -gt 0 ] || fail "the trace shows no SetTimer: $(head -c 2000 "$work/trace.log")"
[ "$(calls winmm.timeSetEvent)" -eq 0 ] || fail "the multimedia timer was used"
[ "$(calls winmm.timeBeginPeriod)" -eq 0 ] || fail "the timer resolution was raised"
echo "-- passed"
