# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every Wine test: fresh prefixes (with Wine's fonts, for Tahoma) copied from a
# template made once per build folder (DIALNOTE_WINE_TEMPLATE, else beside the prefix).
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

wine_boot_prefix() {
  WINEPREFIX=$1 wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX=$1 wineserver --wait || true
  mkdir -p "$1/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
}

# wine_once DIR COMMAND: `COMMAND DIR` the first time only, under a lock; DIR is shared after.
wine_once() {
  (
    flock 9
    [ -f "$1/.dialnote-ready" ] || { rm -rf "$1" && "$2" "$1" && touch "$1/.dialnote-ready"; }
  ) 9>"$1.lock"
}

# A fresh prefix at `$1`, which must not exist yet.
wine_fresh_prefix() {
  local template=${DIALNOTE_WINE_TEMPLATE:-$1-template}
  wine_once "$template" wine_boot_prefix
  cp -a "$template" "$1"
}
