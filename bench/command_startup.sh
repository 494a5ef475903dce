#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Process start to exit of `dialnote 691` against a one-line C program, side by
# side: each pair runs the two back to back (in alternating order, so neither
# always runs on a warm cache), and the figure is the median of the pairs'
# ratios, so that the load of the shared machine affects both sides alike.
#   bench/command_startup.sh BUILD_DIR [PAIRS]      (default 60, at least 20)
# The times come from bash's own clock ($EPOCHREALTIME), which starts no
# process of its own; both sides pay the same fork and exec of the shell.
set -euo pipefail
build_dir=$1
pairs=${2:-60}
[ "$pairs" -ge 20 ] || { echo "at least 20 pairs" >&2; exit 2; }
program=${DIALNOTE_PROGRAM:-$build_dir/bin/dialnote}
yardstick=$build_dir/bench/one_line
unset DISPLAY WAYLAND_DISPLAY

# Wall time of one run, in microseconds.
time_one() {
  local start=${EPOCHREALTIME/./} end
  "$@" >/dev/null
  end=${EPOCHREALTIME/./}
  echo $((end - start))
}

"$program" 691 >/dev/null  # the first run loads the files into the page cache
"$yardstick" >/dev/null
results=$(for i in $(seq "$pairs"); do
  if ((i % 2)); then
    ours=$(time_one "$program" 691)
    theirs=$(time_one "$yardstick")
  else
    theirs=$(time_one "$yardstick")
    ours=$(time_one "$program" 691)
  fi
  echo "$ours $theirs"
done)
median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ours=$(cut -d' ' -f1 <<<"$results" | median)
theirs=$(cut -d' ' -f2 <<<"$results" | median)
ratio=$(awk '{printf "%.3f\n", $1 / $2}' <<<"$results" | median)
echo "dialnote 691: ${ours} us; one-line C program: ${theirs} us (medians of $pairs pairs)"
echo "ratio, median of the pairs: ${ratio}x (goal: at most 1.5x)"
