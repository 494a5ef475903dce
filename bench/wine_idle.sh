#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle cost under Wine on a virtual X display: Dialnote.exe with its main
# window open, against the yardstick (bench/idle_yardstick.cpp: a bare
# static Qt window with one focused entry and no timer), both at the same
# time. Each program runs in a Wine prefix of its own, so that its Wine
# server serves it alone; the CPU time of the program and of its server,
# over SECONDS once the main window is up, is taken from /proc. N runs;
# the medians are printed as a share of one core and as a ratio.
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/wine_idle.sh BUILD_WINDOWS_DIR [N] [SECONDS]
# DIALNOTE_EXE names another Dialnote.exe to measure (an older build).
set -euo pipefail
build_dir=$(realpath "$1")
runs=${2:-5}
seconds=${3:-20}
dialnote=${DIALNOTE_EXE:-$build_dir/bin/Dialnote.exe}
yardstick=$build_dir/bench/idle_yardstick.exe
settle=10  # the splash's 5 s, the hand-over and the first paint
work=$(mktemp -d)
pids=()
cleanup() {
  local prefix
  for prefix in "$work"/prefix-*; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A template prefix, made once; each run copies it.
WINEPREFIX=$work/template wineboot --init >/dev/null 2>&1 || true
WINEPREFIX=$work/template wineserver --wait || true
mkdir -p "$work/template/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$work/template/drive_c/windows/Fonts/" 2>/dev/null || true

# CPU time of every thread of the processes given, in nanoseconds.
cpu_ns() {
  local pid total=0 task
  for pid in "$@"; do
    for task in /proc/"$pid"/task/*/schedstat; do
      [ -r "$task" ] && total=$((total + $(cut -d' ' -f1 "$task" 2>/dev/null || echo 0)))
    done
  done
  echo "$total"
}

# Starts `exe` in a fresh prefix with its own server; sets started_pids.
start_in_own_prefix() {
  local name=$1 exe=$2 prefix=$work/prefix-$1
  rm -rf "$prefix"
  cp -a "$work/template" "$prefix"
  WINEPREFIX=$prefix wineserver -f -p >/dev/null 2>&1 &
  local server=$!
  pids+=("$server")
  sleep 0.5
  WINEPREFIX=$prefix wine "$exe" >/dev/null 2>&1 &
  local program=$!
  pids+=("$program")
  started_pids="$program $server"
}

ours=() theirs=()
for run in $(seq "$runs"); do
  start_in_own_prefix dialnote "$dialnote"
  read -r our_program our_server <<<"$started_pids"
  start_in_own_prefix yardstick "$yardstick"
  read -r their_program their_server <<<"$started_pids"
  sleep "$settle"
  a0=$(cpu_ns "$our_program" "$our_server")
  b0=$(cpu_ns "$their_program" "$their_server")
  sleep "$seconds"
  a1=$(cpu_ns "$our_program" "$our_server")
  b1=$(cpu_ns "$their_program" "$their_server")
  ours+=("$(awk -v d=$((a1 - a0)) -v s="$seconds" 'BEGIN {printf "%.3f", d / 1e9 / s * 100}')")
  theirs+=("$(awk -v d=$((b1 - b0)) -v s="$seconds" 'BEGIN {printf "%.3f", d / 1e9 / s * 100}')")
  echo "run $run: Dialnote.exe ${ours[-1]} %, yardstick ${theirs[-1]} % of one core"
  for name in dialnote yardstick; do WINEPREFIX=$work/prefix-$name wineserver -k 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
a=$(median "${ours[@]}") b=$(median "${theirs[@]}")
echo "idle over ${seconds} s, program and its Wine server: Dialnote.exe ${a} %, yardstick ${b} % of one core (medians of $runs)"
awk -v a="$a" -v b="$b" 'BEGIN { printf "ratio: %.2fx (goals: at most 1.5x, and under 1 %% of one core)\n", (b > 0 ? a / b : 0) }'
