#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A regsvr32.exe planted beside Dialnote.exe, or in the current folder, never runs, while the
# system's tool registers the components beside the program (they note it), so that nothing
# started at all cannot pass.   planted_tool.sh DIALNOTE_EXE PLANTED_REGSVR32_EXE MARKER_DLL
set -euo pipefail
exe=$(realpath "$1")
planted=$(realpath "$2")
component=$(realpath "$3")
source "$(dirname "$0")/prefix.sh"
wine_test_setup

components=(MSWINSCK.ocx MS_XTools.ocx SkinControl.ocx)
registered_all() {
  local file
  for file in "${components[@]}"; do
    [ "$(grep -c registered "$1/$file.registered" 2>/dev/null || true)" -ge 2 ] || return 1
  done
}

echo "-- the planted tool notes a start of its own"
mkdir -p "$work/check"
cp "$planted" "$work/check/regsvr32.exe"
wine "$work/check/regsvr32.exe" /s check >/dev/null 2>&1 || true
[ -e "$work/check/started.txt" ] || fail "the planted tool noted nothing when it ran"

# planted_run WHERE PROGRAM CURRENT PLANTED_IN: until both registrations (creation, activation).
planted_run() {
  local where=$1 program=$2 current=$3 planted_in=$4 file
  echo "-- planted $where"
  mkdir -p "$program" "$current"
  cp "$exe" "$program/Dialnote.exe"
  cp "$planted" "$planted_in/regsvr32.exe"
  for file in "${components[@]}"; do cp "$component" "$program/$file"; done
  (cd "$current" && exec wine "$program/Dialnote.exe") >"$work/program.log" 2>&1 &
  app_pid=$!
  poll 60 registered_all "$program" ||
    fail "the system's regsvr32 did not register the components: $(ls -l "$program")"
  sleep 1  # a planted tool started alongside would have written by now
  wine_stop
  [ ! -e "$planted_in/started.txt" ] ||
    fail "the regsvr32 $where ran: $(cat "$planted_in/started.txt")"
  echo "   the system's tool registered each component twice; the planted one never ran"
}
planted_run "beside the program" "$work/beside" "$work/elsewhere" "$work/beside"
planted_run "in the current folder" "$work/program" "$work/current" "$work/current"
echo "-- passed"
