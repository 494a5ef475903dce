#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where no display opens, one line naming DISPLAY/WAYLAND_DISPLAY and status 1, in every
# environment of tests/data/no-display.tsv.   no_display.sh PROGRAM
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
while IFS=$'\t' read -r name environment; do
  # shellcheck disable=SC2086
  env $environment XDG_RUNTIME_DIR="$work" "$1" >"$work/out" 2>"$work/err" </dev/null
  status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] &&
    grep -q 'DISPLAY/WAYLAND_DISPLAY' "$work/err" ||
    { echo "FAIL: $name: status $status, saying: $(cat "$work/err")" >&2; failures=$((failures + 1)); }
done < <(tail -n +4 "$(dirname "$0")/../data/no-display.tsv")
exit $((failures > 0))
