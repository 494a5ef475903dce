# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts: e2e_setup starts a private display; all is stopped on exit.

stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# poll SECONDS COMMAND...: until it succeeds.
poll() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}

e2e_cleanup() {
  if [ -n "${app_pid:-}" ]; then stop "$app_pid"; fi
  if [ -n "${xvfb_pid:-}" ]; then stop "$xvfb_pid"; fi
  rm -rf "$work"
}

# e2e_setup TOOLS...: $work, Xvfb on a free display, a private XDG_RUNTIME_DIR.
e2e_setup() {
  local tool
  for tool in Xvfb xdotool "$@"; do
    command -v "$tool" >/dev/null ||
      { echo "FAIL: $tool is missing (scripts/install-deps test)" >&2; exit 1; }
  done
  work=$(mktemp -d)
  xvfb_pid=""
  app_pid=""
  trap e2e_cleanup EXIT
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  display_written() { grep -q '^[0-9][0-9]*$' "$work/display"; }
  poll 10 display_written || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  poll 10 xdotool getdisplaygeometry >/dev/null || fail "the display $DISPLAY does not answer"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY
}

now() { date +%s.%N; }
splash_stayed() {  # splash_stayed SINCE: more than three seconds
  local seconds
  seconds=$(awk -v from="$1" -v to="$(now)" 'BEGIN {printf "%.2f", to - from}')
  echo "   the splash stayed $seconds s"
  awk -v s="$seconds" 'BEGIN {exit !(s > 3)}' || fail "the splash left after only $seconds s"
}
copies_784() {  # copies_784 X Y: the explanation box there copies 784's explanation whole
  xdotool mousemove "$1" "$2" click 1 key ctrl+a key ctrl+c
  sleep 0.3
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = "در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) روي كارت smart آنرا پيكربندي كنيد ." ] ||
    { echo "   the explanation box holds: $(xclip -o -selection clipboard 2>/dev/null)"; return 1; }
}
visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
place_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
                           END {print x, y}'
}
