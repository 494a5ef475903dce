#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where no display opens, one line naming DISPLAY/WAYLAND_DISPLAY and status 1.   no_display.sh PROGRAM
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
while IFS='|' read -r name environment; do
  status=0
  # shellcheck disable=SC2086
  env $environment XDG_RUNTIME_DIR="$work" "$1" >"$work/out" 2>"$work/err" </dev/null || status=$?
  if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/err")" -ne 1 ] || [ -s "$work/out" ] ||
    ! grep -q 'DISPLAY/WAYLAND_DISPLAY' "$work/err"; then
    echo "FAIL: $name: status $status, saying:" >&2
    sed 's/^/  /' "$work/err" >&2
    failures=$((failures + 1))
  else
    echo "ok: $name: $(cat "$work/err")"
  fi
done <<'CASES'
neither variable set|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
X11 asked for, DISPLAY not set|-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
Wayland asked for, WAYLAND_DISPLAY not set|-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
DISPLAY names no server|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987
WAYLAND_DISPLAY names no compositor|-u DISPLAY WAYLAND_DISPLAY=dialnote-none-0 QT_QPA_PLATFORM=wayland
CASES
exit $((failures > 0))
