#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under Wine on a virtual X display: process start to the first window mapped,
# for Dialnote.exe (the splash) against the smallest static Qt Widgets program
# built with the same toolchain (bench/minimal_label.cpp), alternately, N
# times each (default 11), in one Wine prefix.
#   xvfb-run -a bench/wine_startup.sh BUILD_WINDOWS_DIR [N]
set -euo pipefail
build_dir=$(realpath "$1")
runs=${2:-11}
export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix} WINEDEBUG=-all
wineboot --init >/dev/null 2>&1 || true

# Milliseconds from start to the first visible window of the program.
time_one() {
  local start end pid
  # Every run starts Wine's server afresh, for both programs alike.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  start=$(date +%s%N)
  wine "$1" >/dev/null 2>&1 &
  pid=$!
  # Wine names a program's windows' class after its executable.
  local class
  class=$(basename "$1" | tr '[:upper:]' '[:lower:]')
  until xdotool search --onlyvisible --class "^$class\$" 2>/dev/null | grep -q .; do sleep 0.005; done
  end=$(date +%s%N)
  wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  while xdotool search --onlyvisible --class "^$class\$" 2>/dev/null | grep -q .; do sleep 0.05; done
  echo $(((end - start) / 1000000))
}

ours=() theirs=()
for _ in $(seq "$runs"); do
  ours+=("$(time_one "$build_dir/bin/Dialnote.exe")")
  theirs+=("$(time_one "$build_dir/bench/minimal_label.exe")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
a=$(median "${ours[@]}") b=$(median "${theirs[@]}")
echo "to the first window: Dialnote.exe ${a} ms, minimal Qt Widgets program ${b} ms (medians of $runs)"
awk -v a="$a" -v b="$b" 'BEGIN { printf "ratio: %.2fx (goal: at most 1.2x)\n", a / b }'
