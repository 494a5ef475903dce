# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts: e2e_setup starts a private display; all is stopped on exit.

stop() {  # stop PID: asked to end, and killed after five seconds
  kill "$1" 2>/dev/null || return 0
  poll 5 eval "! kill -0 $1 2>/dev/null" || kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
poll() {  # poll SECONDS COMMAND...: until it succeeds
  local deadline=$((SECONDS + $1))
  until "${@:2}"; do ((SECONDS < deadline)) || return 1; sleep 0.05; done
}

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}

e2e_cleanup() {
  local pid
  for pid in "${app_pid:-}" "${display_pid:-}"; do [ -z "$pid" ] || stop "$pid"; done
  rm -rf "$work"
}

# e2e_setup TOOLS...: $work, Xvfb on a free display, a private XDG_RUNTIME_DIR.
e2e_setup() {
  local tool
  for tool in Xvfb xdotool "$@"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps test)" >&2; exit 1; }
  done
  work=$(mktemp -d)
  trap e2e_cleanup EXIT
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  display_pid=$!
  poll 10 grep -q '^[0-9][0-9]*$' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  poll 10 xdotool getdisplaygeometry >/dev/null || fail "the display $DISPLAY does not answer"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY
}

now() { date +%s.%N; }
splash_stayed() {  # splash_stayed SINCE: more than three seconds
  local seconds; seconds=$(awk -v from="$1" -v to="$(now)" 'BEGIN {printf "%.2f", to - from}')
  echo "   the splash stayed $seconds s"
  awk -v s="$seconds" 'BEGIN {exit !(s > 3)}' || fail "the splash left after only $seconds s"
}
copies_784() {  # copies_784 X Y: the explanation box there copies 784's explanation whole
  xdotool mousemove "$1" "$2" click 1 key ctrl+a key ctrl+c
  sleep 0.3
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = "در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) روي كارت smart آنرا پيكربندي كنيد ." ] ||
    { echo "   the explanation box holds: $(xclip -o -selection clipboard 2>/dev/null)"; return 1; }
}
app_ended() { ! grep -qv '^[^)]*) Z' "/proc/$app_pid/stat" 2>/dev/null; }  # gone, or a zombie
visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
place_of() { xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {print x, $4}'; }
