#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote.exe at a laptop's scaling under Wine on a virtual X display, in a
# fresh prefix whose LogPixels is DPI (120 is 125 %, 144 is 150 %): each
# window comes at its design size times DPI/96; its see-through corners show
# the desktop, with no key-colour (#00FFFF) fringe anywhere in the window and
# no gap across its top rows; no text is clipped (text_fit_probe.exe, in the
# same prefix), and no more explanations outgrow their box than at 96 dpi.
# A screenshot of each window is kept beside the executable:
# wine-splash-DPIdpi.png, wine-main-window-DPIdpi.png.
#   scaling.sh DPI DIALNOTE_EXE TEXT_FIT_PROBE_EXE
set -euo pipefail
dpi=$1
exe=$(realpath "$2")
probe=$(realpath "$3")
pictures=$(dirname "$exe")
source "$(dirname "$0")/prefix.sh"
wine_test_setup xwininfo import
# At 100 % first: how many explanations are longer than their box shows.
wine "$probe" 96 >"$work/probe-96.log" 2>&1 || { cat "$work/probe-96.log"; fail "text clipped at 96 dpi"; }
longer_at_100=$(sed -n 's/.*explanations longer: \([0-9]*\).*/\1/p' "$work/probe-96.log")
wineserver -k 2>/dev/null || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver --wait || true

scaled() { awk -v n="$1" -v dpi="$dpi" 'BEGIN {printf "%d", n * dpi / 96 + 0.5}'; }
# The one window whose size is within a pixel of W x H.
window_near() {
  xwininfo -root -tree | awk -v w="$1" -v h="$2" '
    match($0, / [0-9]+x[0-9]+\+/) {
      split(substr($0, RSTART + 1, RLENGTH - 2), size, "x")
      if (size[1] - w <= 1 && w - size[1] <= 1 && size[2] - h <= 1 && h - size[2] <= 1) print $1
    }' | head -n 1
}
root_colour=$(import -window root -depth 8 -crop 1x1+0+0 txt:- 2>/dev/null | awk 'NR == 2 {print $3}')

# Checks the window `id` on screen: its corners show the desktop, no pixel
# of it is the key colour, and its top rows are whole across the middle.
check_window() {
  local id=$1 name=$2 picture=$3 left top size width height
  read -r left top <<<"$(place_of "$id")"
  size=$(size_of "$id")
  width=${size%x*} height=${size#*x}
  import -window root -depth 8 -crop "${width}x${height}+${left}+${top}" "$work/$name.txt" 2>/dev/null
  import -window "$id" "$picture" 2>/dev/null || true
  pixel() { awk -v at="$1,$2:" '$1 == at {print $3; exit}' "$work/$name.txt"; }
  for x in 0 $((width - 1)); do
    [ "$(pixel "$x" 0)" = "$root_colour" ] ||
      fail "$name: corner pixel $x,0 is $(pixel "$x" 0), not the desktop's $root_colour"
  done
  local fringe
  fringe=$(awk '$3 == "#00FFFF" {print $1}' "$work/$name.txt" | head -n 5 | tr '\n' ' ')
  [ -z "$fringe" ] || fail "$name: key-colour pixels at ${fringe}(see $picture)"
  for y in $(seq 0 $(($(scaled 12) - 1))); do
    [ "$(pixel $((width / 2)) "$y")" != "$root_colour" ] ||
      fail "$name: row $y is see-through in the middle (see $picture)"
  done
  echo "   $name: ${width}x${height}, corners clear, no key colour, $(basename "$picture")"
}

wine "$exe" >"$work/program.log" 2>&1 &
app_pid=$!
echo "-- the splash window at $(scaled 332)x$(scaled 130)"
splash_shown() { splash=$(window_near "$(scaled 332)" "$(scaled 130)"); [ -n "$splash" ]; }
poll 60 splash_shown || fail "no splash window of about $(scaled 332)x$(scaled 130): $(xwininfo -root -tree | grep -E '[0-9]+x[0-9]+\+' | head)"
sleep 1  # its labels drawn
check_window "$splash" splash "$pictures/wine-splash-${dpi}dpi.png"

echo "-- the main window at $(scaled 348)x$(scaled 429), explaining 784"
main_shown() { main=$(window_near "$(scaled 348)" "$(scaled 429)"); [ -n "$main" ]; }
poll 20 main_shown || fail "no main window of about $(scaled 348)x$(scaled 429)"
read -r left top <<<"$(place_of "$main")"
type_784 "$left" "$top" "$dpi"
sleep 1
check_window "$main" "main window" "$pictures/wine-main-window-${dpi}dpi.png"
wine_stop

echo "-- no text clipped"
wine "$probe" "$dpi" >"$work/probe.log" 2>&1 || { cat "$work/probe.log"; fail "text clipped at $dpi dpi"; }
sed 's/^/   /' "$work/probe.log"
longer=$(sed -n 's/.*explanations longer: \([0-9]*\).*/\1/p' "$work/probe.log")
[ -n "$longer" ] && [ -n "$longer_at_100" ] || fail "the probe counted no explanations"
[ "$longer" -le "$longer_at_100" ] ||
  fail "$longer explanations outgrow their box at $dpi dpi, against $longer_at_100 at 96 dpi"
echo "-- passed"
