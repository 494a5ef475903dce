#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialnote.exe leaves the system's timer alone while its main window runs:
# under Wine's relay trace of winmm's timer functions, from start through
# the splash to the main window explaining a code, nothing calls
# timeBeginPeriod (which raises the timer resolution for the whole machine)
# and nothing calls timeSetEvent (the multimedia timer, which Qt uses for
# intervals up to 20 ms and for every precise timer), neither for the
# splash window's three timers nor for the main window's poll. The trace
# must show the window timers' SetTimer, so that the check cannot pass on an
# empty trace.
#   timer_resolution.sh DIALNOTE_EXE
set -euo pipefail
exe=$(realpath "$1")
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/prefix.sh"
e2e_setup wine xwininfo
export WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
wine_fresh_prefix "$WINEPREFIX"
WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
  /d 'winmm.timeSetEvent;winmm.timeBeginPeriod;winmm.timeEndPeriod;user32.SetTimer' /f >/dev/null 2>&1
WINEDEBUG=-all wineserver --wait || true

WINEDEBUG=-all,+relay wine "$exe" >/dev/null 2>"$work/trace.log" &
app_pid=$!
main_shown() { xwininfo -root -tree | grep -q ' 348x429+'; }
poll 60 main_shown || fail "the main window did not appear"
splash_gone() { ! xwininfo -root -tree | grep -q ' 332x130+'; }
poll 10 splash_gone || fail "the splash window stayed"
read -r main _ <<<"$(xwininfo -root -tree | awk '/ 348x429\+/ {print $1; exit}')"
read -r left top <<<"$(place_of "$main")"
xdotool mousemove $((left + 136)) $((top + 200)) click 1 key End BackSpace BackSpace BackSpace
xdotool type --delay 60 784
sleep 3
wineserver -k 2>/dev/null || true
stop "$app_pid"
app_pid=""
calls() { grep -c "Call $1(" "$2" || true; }
echo "   SetTimer: $(calls user32.SetTimer "$work/trace.log") calls;" \
  "timeSetEvent: $(calls winmm.timeSetEvent "$work/trace.log");" \
  "timeBeginPeriod: $(calls winmm.timeBeginPeriod "$work/trace.log")"
[ "$(calls user32.SetTimer "$work/trace.log")" -gt 0 ] ||
  fail "the trace shows no SetTimer at all: $(head -c 2000 "$work/trace.log")"
[ "$(calls winmm.timeSetEvent "$work/trace.log")" -eq 0 ] ||
  fail "the multimedia timer was used: $(grep -m 3 'Call winmm.timeSetEvent(' "$work/trace.log")"
[ "$(calls winmm.timeBeginPeriod "$work/trace.log")" -eq 0 ] ||
  fail "the timer resolution was raised: $(grep -m 3 'Call winmm.timeBeginPeriod(' "$work/trace.log")"
echo "-- passed"
