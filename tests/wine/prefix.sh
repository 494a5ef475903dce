# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wine tests: a fresh Wine prefix, with Wine's own fonts in it
# so that Tahoma is there. Making one (wineboot) takes some twenty seconds,
# so a template is made once per build folder (DIALNOTE_WINE_TEMPLATE,
# under a lock) and each test copies it; a copy has its own Wine server.
# Without DIALNOTE_WINE_TEMPLATE each prefix is made from scratch.

# Makes the prefix `$1` from scratch.
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
