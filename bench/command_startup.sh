#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Process start to exit of `dialnote 691` against the smallest QtCore program
# that prints one line, run alternately, N times each (default 200); prints
# the median of each and their ratio.
#   bench/command_startup.sh BUILD_DIR [N]
set -euo pipefail
build_dir=$1
runs=${2:-200}
program=$build_dir/bin/dialnote
yardstick=$build_dir/bench/minimal_core

# Wall time of one run, in microseconds.
time_one() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

: >/tmp/dialnote-times.$$ && : >/tmp/yardstick-times.$$
for _ in $(seq "$runs"); do
  time_one env -u DISPLAY -u WAYLAND_DISPLAY "$program" 691 >>/tmp/dialnote-times.$$
  time_one env -u DISPLAY -u WAYLAND_DISPLAY "$yardstick" 691 >>/tmp/yardstick-times.$$
done
median() { sort -n "$1" | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ours=$(median /tmp/dialnote-times.$$)
theirs=$(median /tmp/yardstick-times.$$)
rm -f /tmp/dialnote-times.$$ /tmp/yardstick-times.$$
echo "dialnote 691: ${ours} us; minimal QtCore program: ${theirs} us (medians of $runs)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio: %.2fx (goal: at most 1.5x)\n", a / b }'
