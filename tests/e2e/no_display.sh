#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started where no display can be opened, the program says so in one line
# naming DISPLAY/WAYLAND_DISPLAY and ends with status 1: no abort, no core.
#   no_display.sh PROGRAM
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME ENV-ARGS...: runs the program in an environment made by `env`.
check() {
  local name=$1
  shift
  local status=0
  env "$@" XDG_RUNTIME_DIR="$work" "$program" >"$work/out" 2>"$work/err" </dev/null || status=$?
  local lines
  lines=$(wc -l <"$work/err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [ -s "$work/out" ] ||
     ! grep -q 'DISPLAY/WAYLAND_DISPLAY' "$work/err"; then
    echo "FAIL: $name: status $status, $lines lines:" >&2
    sed 's/^/  /' "$work/err" >&2
    failures=$((failures + 1))
  else
    echo "ok: $name: $(cat "$work/err")"
  fi
}

check "neither variable set" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "X11 asked for, DISPLAY not set" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
check "Wayland asked for, WAYLAND_DISPLAY not set" -u DISPLAY -u WAYLAND_DISPLAY \
  QT_QPA_PLATFORM=wayland
check "DISPLAY names no server" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987
check "WAYLAND_DISPLAY names no compositor" -u DISPLAY WAYLAND_DISPLAY=dialnote-none-0 \
  QT_QPA_PLATFORM=wayland
exit $((failures > 0))
