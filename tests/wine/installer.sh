#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer under Wine, in a fresh prefix: a silent install (/S)
# puts Dialnote.exe in the user's programs folder with a Start-menu entry and
# an uninstaller, needing no administrator; the silent uninstaller takes them
# all away again.
#   installer.sh SETUP_EXE
set -euo pipefail
setup=$(realpath "$1")
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY  # a silent install shows nothing

wineboot --init >/dev/null 2>&1 || true
wineserver --wait || true
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
installed="$user_dir/AppData/Local/Programs/Dialnote"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Dialnote (دايالنوت).lnk"

echo "-- silent install"
wine "$setup" /S >"$work/install.log" 2>&1 || fail "the installer failed: $(cat "$work/install.log")"
wineserver --wait || true
[ -f "$installed/Dialnote.exe" ] || fail "no Dialnote.exe in $installed: $(ls -R "$user_dir/AppData/Local/Programs" 2>&1)"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry: $(ls "$(dirname "$shortcut")" 2>&1)"
cmp -s "$installed/Dialnote.exe" "$(dirname "$setup")/bin/Dialnote.exe" ||
  echo "note: the installed executable differs from the build's (stripped by the package)"

echo "-- the installed program answers on the command line"
answer=$(wine "$installed/Dialnote.exe" 691 2>/dev/null | cut -f1)
[ "$answer" = 691 ] || fail "the installed Dialnote.exe 691 printed '$answer'"

echo "-- silent uninstall"
wine "$installed/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || true
gone() { [ ! -e "$installed/Dialnote.exe" ] && [ ! -e "$shortcut" ]; }
for _ in $(seq 100); do gone && break; sleep 0.2; done
gone || fail "after uninstalling: $(ls -la "$installed" "$shortcut" 2>&1)"
echo "-- passed"
