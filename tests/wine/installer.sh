#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer and uninstaller under Wine, each case in a copy of one fresh prefix: install and
# uninstall leave the PATH byte for byte; upgrades leave one of each; a running Dialnote.exe or a
# waiting `dialnote.com -` refuses both and changes nothing; no Path value, a too long PATH.
#   installer.sh SETUP_EXE CPACK BUILD_DIR   (or DIALNOTE_OLDER_SETUP names the older installer)
set -euo pipefail
setup=$(realpath "$1")
source "$(dirname "$0")/prefix.sh"
e2e_setup wine xwininfo
prefixes=()
trap 'for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done; e2e_cleanup' EXIT

older=${DIALNOTE_OLDER_SETUP:-$work/older/Dialnote-1.9.0-setup.exe}
[ -n "${DIALNOTE_OLDER_SETUP:-}" ] || "$2" --config "$3/CPackConfig.cmake" -G NSIS \
  -D CPACK_PACKAGE_VERSION=1.9.0 -B "$work/older" >"$work/older.log" 2>&1 || fail "cpack: $(cat "$work/older.log")"

wine_fresh_prefix "$work/base"
export WINEPREFIX=$work/base
user_name=$(basename "$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)")

fresh_prefix() {
  WINEPREFIX=$work/$1
  cp -a "$work/base" "$WINEPREFIX"
  prefixes+=("$WINEPREFIX")
  installed="$WINEPREFIX/drive_c/users/$user_name/AppData/Local/Programs/Dialnote"
  menu="${installed%/Local/*}/Roaming/Microsoft/Windows/Start Menu/Programs"
  shortcut="$menu/Dialnote (دايالنوت).lnk"
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dialnote'
# "TYPE<tab>DATA" of a registry value, nothing if there is none.
value() {
  { wine reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' |
    awk -v name="$2" '$1 == name {sub(/^ *[^ ]+ +/, ""); t = $1; sub(/^[^ ]+ +/, ""); print t "\t" $0}'
}
# path_is WANT WHEN, entry_is NAME WANT: "TYPE<tab>DATA" of the user's Path, of an uninstall value.
path_is() { [ "$(value 'HKCU\Environment' Path)" = "$1" ] || fail "$2: the PATH is $(value 'HKCU\Environment' Path)"; }
entry_is() { [ "$(value "$uninstall_key" "$1")" = "$2" ] || fail "$1 is $(value "$uninstall_key" "$1")"; }
set_path() { wine reg add 'HKCU\Environment' /v Path /t "$1" /d "$2" /f >/dev/null 2>&1; }
export_environment() { wine reg export 'HKCU\Environment' "$(winepath -w "$1")" /y >/dev/null 2>&1; }
snapshot() {
  (cd "$installed" 2>/dev/null && find . -type f -exec md5sum {} + | sort) || echo "no folder"
  ls "$menu"
  wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' || true
  wine reg query 'HKCU\Software\Dialnote developers' /s 2>/dev/null | tr -d '\r' || true
  value 'HKCU\Environment' Path
}
install() { wine "$1" /S >"$work/install.log" 2>&1 || fail "installing $1 failed: $(cat "$work/install.log")"; }
uninstall() {
  wine "$installed/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 ||
    fail "the uninstaller failed: $(cat "$work/uninstall.log")"
  # The uninstaller removes itself from a copy, which is slow beside other Wine tests.
  gone() { [ ! -e "$installed" ] && [ -z "$(value "$uninstall_key" DisplayName)" ]; }
  poll 120 gone || fail "after uninstalling: $(ls -la "$installed" 2>&1)"
  wineserver --wait || true
}
installed_files() { (cd "$installed" && find . -mindepth 1 | sort | tr '\n' ' '); }
path_entries() { value 'HKCU\Environment' Path | cut -f2 | tr ';' '\n' | grep -cixF "$(winepath -w "$installed")" || true; }
expect_one_of_each() {  # the folder's files; one menu entry, uninstall entry and PATH entry
  local seen
  seen="$(installed_files)| $(ls "$menu" | grep -c Dialnote) $(wine reg query "${uninstall_key%\\*}" 2>/dev/null |
    grep -c Dialnote) $(path_entries)"
  [ "$seen" = "./Dialnote.exe ./Uninstall.exe ./dialnote.com | 1 1 1" ] ||
    fail "$1: the folder's files| menu, uninstall and PATH entries: $seen; $(value 'HKCU\Environment' Path)"
}

echo "== install and uninstall, with a PATH of the user's own"
fresh_prefix plain
original='%USERPROFILE%\bin;C:\Tools;'
set_path REG_EXPAND_SZ "$original"
export_environment "$work/environment-before.reg"
install "$setup"
expect_one_of_each "install"
[ "$(od -An -t d4 -j 56 -N 4 "$shortcut" | tr -d ' ')" = 1 ] ||  # the group drawn in every size
  fail "no Start-menu entry of icon index 1: $(ls "$menu")"
entry=$(winepath -w "$installed")
path_is "REG_EXPAND_SZ	$original$entry;" installed
entry_is DisplayIcon "REG_SZ	$entry\\Dialnote.exe,1"
size=$(value "$uninstall_key" EstimatedSize | cut -f2)
kilobytes=$(du -sk --apparent-size "$installed" | cut -f1)
[ -n "$size" ] && [ $((size)) -ge $((kilobytes - 8)) ] && [ $((size)) -le $((kilobytes + 8)) ] ||
  fail "EstimatedSize is '$size', the folder holds $kilobytes KB"
answer=$(wine "$installed/dialnote.com" 691 2>/dev/null | cut -f1)
[ "$answer" = 691 ] || fail "the installed dialnote.com 691 printed '$answer'"
uninstall
export_environment "$work/environment-after.reg"
cmp -s "$work/environment-before.reg" "$work/environment-after.reg" ||
  fail "the environment differs after uninstalling: $(diff <(iconv -f UTF-16 "$work/environment-before.reg") <(iconv -f UTF-16 "$work/environment-after.reg"))"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
! wine reg query 'HKCU\Software\Dialnote developers' >/dev/null 2>&1 || fail "the maker's key is still there"

echo "== an upgrade over an older version, then the same version again"
fresh_prefix upgrade
set_path REG_SZ 'C:\Tools'
for step in "$older 1.9.0" "$setup 2.0.0" "$setup 2.0.0"; do  # the same version again, last
  install "${step% *}"
  expect_one_of_each "installing ${step##*/}"
  entry_is DisplayVersion "REG_SZ	${step##* }"
done
path_is "REG_SZ	C:\\Tools;$(winepath -w "$installed")" upgraded
uninstall
path_is "REG_SZ	C:\\Tools" uninstalled

echo "== while a Dialnote program runs, nothing changes"
fresh_prefix running
install "$setup"
before=$(snapshot)
unchanged() { [ "$(snapshot)" = "$before" ] || fail "$1 changed: $(diff <(echo "$before") <(snapshot))"; }
refused() {  # a silent install and uninstall (in place, so that its status is seen) while $1 runs
  ! wine "$setup" /S >"$work/install.log" 2>&1 || fail "the installer ran over $1"
  unchanged "a refused install"
  ! wine "$installed/Uninstall.exe" /S "_?=$(winepath -w "$installed")" >"$work/uninstall.log" 2>&1 ||
    fail "the uninstaller ran over $1"
  unchanged "a refused uninstall"
}
mkfifo "$work/codes"
wine "$installed/dialnote.com" - <"$work/codes" >"$work/command.out" 2>&1 &
command_pid=$!
exec 4>"$work/codes"
echo 691 >&4
answered() { grep -q '^691' "$work/command.out"; }
poll 60 answered || fail "dialnote.com - answered nothing: $(cat "$work/command.out")"
refused "dialnote.com -"
exec 4>&-
stop "$command_pid"
wine "$installed/Dialnote.exe" >"$work/program.log" 2>&1 &
app_pid=$!
# Its main window, so that it cannot come up over the installer's question after the splash.
showing() { xwininfo -root -tree | grep -q ' 348x429+'; }
poll 60 showing || fail "Dialnote's main window did not show"
refused Dialnote.exe
echo "-- interactively: Cancel (status 1) changes nothing; Retry, once Dialnote is closed, installs"
question() { [ -n "$(xdotool search --onlyvisible --name 'Setup$' 2>/dev/null)" ]; }  # on top, focused
ask() { wine "$setup" >"$work/interactive.log" 2>&1 & setup_pid=$!; poll 30 question || fail "the installer asked nothing"; }
ended_with() { wait "$setup_pid" && status=0 || status=$?; [ "$status" -eq "$1" ] || fail "$2 ended with status $status"; }
ask
xdotool key Escape
ended_with 1 "a cancelled installer"
unchanged "a cancelled install"
ask
stop "$app_pid"
app_pid=""
xdotool key Return
for _ in $(seq 60); do kill -0 "$setup_pid" 2>/dev/null || break; xdotool key Return; sleep 1; done
ended_with 0 "the installer, after Retry,"
wineserver -k 2>/dev/null || true  # the finish page started Dialnote
expect_one_of_each "installing after Retry"
uninstall

echo "== no Path value before; a PATH too long to edit"
fresh_prefix no-path
wine reg delete 'HKCU\Environment' /v Path /f >/dev/null 2>&1 || true
install "$setup"
path_is "REG_EXPAND_SZ	$(winepath -w "$installed")" "without a Path before"
uninstall
path_is "" "uninstalled, without a Path before"
# Too long to read whole, then readable with no room left for the entry.
for entries in 40 38; do
  long="C:\\Tools$(printf ';C:\\Program Files\\Tool %03d' $(seq 1 "$entries"))"
  set_path REG_EXPAND_SZ "$long"
  install "$setup"
  [ -f "$installed/dialnote.com" ] || fail "not installed"
  path_is "REG_EXPAND_SZ	$long" "${#long} characters long"
done
uninstall
path_is "REG_EXPAND_SZ	$long" "uninstalled, ${#long} characters long"
echo "-- passed"
