#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# dialnote.com under Wine as cmd.exe and scripts meet it, byte for byte the Linux command's output.
#   windows_command.sh DIALNOTE_COM LINUX_DIALNOTE GUI_STAND_IN WINE_RUN CASES_TSV
set -uo pipefail
com=$1 linux=$2 stand_in=$3 wine_run=$4 cases=$5
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
[ -x "$linux" ] || { fail "no Linux command at '$linux' (DIALNOTE_HOST_COMMAND; scripts/windows-build builds it)"; exit 1; }
export LANG=C.UTF-8  # arguments reach Windows as UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Wine's server and services run until this script ends, started here with their output apart:
# started during a check, they would write their own complaints into its standard error.
mkfifo "$work/keep"
"$wine_run" cmd <"$work/keep" >/dev/null 2>&1 &
exec 8>"$work/keep"
"$wine_run" cmd /c exit >/dev/null 2>&1
# The folder a user's PATH names; the Dialnote.exe stand-in only notes its start.
folder=$work/Dialnote
mkdir "$folder"
cp "$com" "$folder/dialnote.com"
cp "$stand_in" "$folder/Dialnote.exe"
# The subsystems and imports are imports.sh's; the size is checked here.
size=$(stat -c %s "$com")
[ "$size" -le 1048576 ] || fail "dialnote.com has $size bytes, more than 1 MiB"

# The table's rows marked "both" or "cmd": streams, status and answers.txt as Linux's.
source "$(dirname "$0")/cases.sh"
answer() {  # answer SIDE INPUT COMMAND...: into $work/SIDE.*, with the status and the folder's files
  in_empty "${@:2}"
  { echo "status $status"; ls -A "$work/cwd"; } >>"$work/err"
  mv "$work/out" "$work/$1.out" && mv "$work/err" "$work/$1.err"
}
same_as_linux() {
  answer windows "$4" "$wine_run" "$folder/dialnote.com" "${@:5}"
  answer linux "$4" "$linux" "${@:5}"
  cmp -s "$work/windows.out" "$work/linux.out" && cmp -s "$work/windows.err" "$work/linux.err" ||
    fail "$2: differs from Linux's: $(diff "$work/windows.err" "$work/linux.err" | head -c 300)"
}
each_case "$cases" 'both|cmd' same_as_linux

# The rows marked "cmd" again, typed as "dialnote" in a batch file, so that cmd finds dialnote.com
# before Dialnote.exe: output through a pipe and %ERRORLEVEL% as Linux's.
in_batch() {
  printf 'dialnote%s\r\necho status %%ERRORLEVEL%%\r\n' "$(printf ' "%s"' "${@:5}")" >>"$folder/rows.cmd"
  "$linux" "${@:5}" 2>/dev/null </dev/null >>"$work/batch.linux"
  echo "status $?" >>"$work/batch.linux"
}
echo '@echo off' >"$folder/rows.cmd"
each_case "$cases" cmd in_batch
(cd "$folder" && "$wine_run" cmd /c rows.cmd) 2>/dev/null | tr -d '\r' >"$work/batch"
cmp -s "$work/batch" "$work/batch.linux" || fail "rows under cmd: $(grep status "$work/batch" | tr '\n' ' ')"

full_and_closed "$wine_run" "$folder/dialnote.com"

# In a console (Wine makes one on a terminal): input read until Ctrl+Z, wide-character output.
console() { script -qefc "stty raw -echo; cd '$folder' && '$wine_run' dialnote.com $*" /dev/null; }
(sleep 8; printf '\u06f6\u06f9\u06f1 600\r'; sleep 2; printf '\x1a\r'; sleep 8) |
  timeout 60 bash -c "$(declare -f console); folder='$folder' wine_run='$wine_run'; console -" \
  >"$work/out"
status=$?
grep -q '^691 .*دسترسي رد شد' <(tr -d '\033' <"$work/out" | sed 's/\[?25[lh]//g') &&
  grep -q 'اگر سيستم' "$work/out" && [ "$status" -eq 0 ] ||
  fail "codes typed at a console: status $status, $(tr -d '\033' <"$work/out" | head -c 300)"

# Without arguments, dialnote.com starts its folder's Dialnote.exe there, without waiting.
(cd "$work" && "$wine_run" "$folder/dialnote.com")
status=$?
for _ in $(seq 50); do [ -f "$folder/started.txt" ] && break; sleep 0.2; done
[ "$status" -eq 0 ] && grep -q 'Dialnote.exe' "$folder/started.txt" &&
  tail -n 1 "$folder/started.txt" | grep -qE '\\Dialnote\\?$' ||
  fail "without arguments: status $status, started.txt: $(cat "$folder/started.txt")"

[ "$failures" -eq 0 ] && echo "the Windows command: all checks passed"
exit $((failures > 0))
