#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# dialnote.com under Wine as cmd.exe and scripts meet it, byte for byte the Linux command's output.
#   windows_command.sh DIALNOTE_COM LINUX_DIALNOTE GUI_STAND_IN WINE_RUN CASES_TSV
set -uo pipefail
com=$1 linux=$2 stand_in=$3 wine_run=$4 cases=$5
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
if [ ! -x "$linux" ]; then
  echo "FAIL: no Linux command at '$linux' (DIALNOTE_HOST_COMMAND; scripts/windows-build builds it)" >&2
  exit 1
fi
export LANG=C.UTF-8  # arguments reach Windows as UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The folder a user's PATH names; the Dialnote.exe stand-in only notes its start.
folder=$work/Dialnote
mkdir "$folder"
cp "$com" "$folder/dialnote.com"
cp "$stand_in" "$folder/Dialnote.exe"
# in_folder PROGRAM ARGS...: under Wine, with the folder current.
in_folder() { (cd "$folder" && "$wine_run" "$@"); }

# The subsystems and imports are imports.sh's; the size is checked here.
size=$(stat -c %s "$com")
[ "$size" -le 1048576 ] || fail "dialnote.com has $size bytes, more than 1 MiB"

# The statuses cmd sees from a batch file; "dialnote" must find dialnote.com, not the stand-in.
printf '%s\r\n' '@echo off' 'dialnote 691 0x800702B3' 'echo status %ERRORLEVEL%' \
  'dialnote 691 599' 'echo status %ERRORLEVEL%' 'dialnote -x' 'echo status %ERRORLEVEL%' \
  'dialnote --' 'echo status %ERRORLEVEL%' 'dialnote --list 691' 'echo status %ERRORLEVEL%' \
  >"$folder/statuses.cmd"
in_folder cmd /c statuses.cmd >"$work/statuses" 2>/dev/null
{
  "$linux" 691 0x800702B3
  echo "status 0"
  "$linux" 691
  printf 'status 1\nstatus 2\nstatus 2\nstatus 2\n'
} >"$work/statuses.linux"
diff <(tr -d '\r' <"$work/statuses") "$work/statuses.linux" >/dev/null ||
  fail "statuses under cmd: $(tr -d '\r' <"$work/statuses" | cut -c1-40)"

# compare NAME WINDOWS_OUT WINDOWS_ERR ARGS...: both streams byte for byte Linux's for ARGS.
compare() {
  local name=$1 out=$2 err=$3
  shift 3
  "$linux" "$@" >"$work/linux.out" 2>"$work/linux.err" </dev/null
  cmp -s "$out" "$work/linux.out" || fail "$name: standard output differs from Linux's"
  cmp -s "$err" "$work/linux.err" || fail "$name: standard error differs from Linux's"
}
in_folder cmd /c "dialnote --list" 2>"$work/err" | cat >"$work/out"
compare "--list through a pipe" "$work/out" "$work/err" --list
in_folder cmd /c "dialnote --list > list.txt" 2>"$work/err"
compare "--list into a file" "$folder/list.txt" "$work/err" --list

# The table's rows marked "both": streams, status and answers.txt as Linux's.
source "$(dirname "$0")/cases.sh"
answer() {  # answer SIDE INPUT COMMAND...: into $work/SIDE.*, with the status and the folder's files
  in_empty "${@:2}"
  { echo "status $status"; ls -A "$work/cwd"; } >>"$work/err"
  mv "$work/out" "$work/$1.out" && mv "$work/err" "$work/$1.err"
}
same_as_linux() {
  local name=$2
  answer windows "$4" "$wine_run" "$folder/dialnote.com" "${@:5}"
  answer linux "$4" "$linux" "${@:5}"
  cmp -s "$work/windows.out" "$work/linux.out" && cmp -s "$work/windows.err" "$work/linux.err" ||
    fail "$name: differs from Linux's: $(diff "$work/windows.err" "$work/linux.err" | head -c 300)"
}
each_case "$cases" windows same_as_linux

# A full disk is an error; a reader gone after a pipe's 64 kB is not.
status=0
in_folder dialnote.com --list >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q '^dialnote: write error: ' "$work/err" ||
  fail "a full disk: status $status, $(cat "$work/err")"
# shellcheck disable=SC2046
in_folder dialnote.com junk $(yes 691 | head -n 2000) 2>"$work/err" | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 1 ] && [ "$(cat "$work/err")" = 'dialnote: no entry for "junk"' ] ||
  fail "a closed pipe: status $status, $(cat "$work/err")"

# In a console (Wine makes one on a terminal): wide-character output, input read until Ctrl+Z.
console() { script -qefc "stty raw -echo; cd '$folder' && '$wine_run' dialnote.com $*" /dev/null; }
console 691 >"$work/out" </dev/null
grep -q 'دسترسي رد شد' "$work/out" || fail "no Persian in a console: $(head -c 300 "$work/out")"
(sleep 8; printf '\u06f6\u06f9\u06f1 600\r'; sleep 2; printf '\x1a\r'; sleep 8) |
  timeout 60 bash -c "$(declare -f console); folder='$folder' wine_run='$wine_run'; console -" \
  >"$work/out"
status=$?
grep -q '^691 .*دسترسي رد شد' <(tr -d '\033' <"$work/out" | sed 's/\[?25[lh]//g') &&
  grep -q 'اگر سيستم' "$work/out" && [ "$status" -eq 0 ] ||
  fail "codes typed at a console: status $status, $(tr -d '\033' <"$work/out" | head -c 300)"

# Without arguments, dialnote.com starts its folder's Dialnote.exe there, without waiting.
status=0
(cd "$work" && "$wine_run" "$folder/dialnote.com") || status=$?
for _ in $(seq 50); do
  [ -f "$folder/started.txt" ] && break
  sleep 0.2
done
[ "$status" -eq 0 ] && grep -q 'Dialnote.exe' "$folder/started.txt" 2>/dev/null &&
  tail -n 1 "$folder/started.txt" | grep -qE '\\Dialnote\\?$' ||
  fail "without arguments: status $status, Dialnote.exe $( [ -f "$folder/started.txt" ] ||
    echo 'not ')started"

[ "$failures" -eq 0 ] && echo "the Windows command: all checks passed"
exit $((failures > 0))
