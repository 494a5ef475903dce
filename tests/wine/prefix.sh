# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every Wine test: fresh prefixes (with Wine's fonts, for Tahoma) copied from a
# template made once per build folder (DIALNOTE_WINE_TEMPLATE), or booted anew without one.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

wine_boot_prefix() {
  WINEPREFIX=$1 wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX=$1 wineserver --wait || true
  mkdir -p "$1/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
}

# A fresh prefix at `$1`, which must not exist yet.
wine_fresh_prefix() {
  local template=${DIALNOTE_WINE_TEMPLATE:-}
  if [ -z "$template" ]; then
    wine_boot_prefix "$1"
    return
  fi
  (
    flock 9
    if [ ! -f "$template/.dialnote-ready" ]; then
      rm -rf "$template"
      wine_boot_prefix "$template"
      touch "$template/.dialnote-ready"
    fi
  ) 9>"$template.lock"
  cp -a "$template" "$1"
  rm -f "$1/.dialnote-ready"
}

# A display of its own (e2e_setup TOOLS...) and a fresh prefix, $work/prefix.
wine_test_setup() {
  e2e_setup wine "$@"
  export WINEPREFIX=$work/prefix
  trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
  wine_fresh_prefix "$WINEPREFIX"
}

# type_784 X Y [DPI]: into the code entry of the main window at X Y.
type_784() {
  local dpi=${3:-96}
  xdotool mousemove $(($1 + 136 * dpi / 96)) $(($2 + 200 * dpi / 96)) click 1 \
    key End BackSpace BackSpace BackSpace
  xdotool type --delay 60 784
}

wine_stop() {
  wineserver -k 2>/dev/null || true
  stop "$app_pid"
  app_pid=""
}
