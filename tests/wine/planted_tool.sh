#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The registration tool is started by its full path, under Wine on a virtual
# X display: with a "regsvr32.exe" of ours planted beside Dialnote.exe, and
# then in the current folder, the planted one never runs, while the system's
# own tool registers the component files that lie beside the program (test
# components whose DllRegisterServer leaves a note), so the test cannot pass
# because nothing was started at all.
# The planted tool is a stand-in that notes in started.txt, beside itself,
# that it ran and with what command line.
#   planted_tool.sh DIALNOTE_EXE PLANTED_REGSVR32_EXE MARKER_COMPONENT_DLL
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

# Dialnote.exe and the components in `program`, started from `current`, with
# the planted tool in `planted_in` (one of the two), until both sets of
# registrations (the window's creation and its activation) have reached the
# system's tool: the planted one never runs.
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
