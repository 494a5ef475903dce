#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lookup command as a user, a script or a pipe meets it, with no display.
#   command_line.sh PROGRAM REFERENCE_TSV MAN_PAGE CODE_FORMS_TSV CASES_TSV
set -uo pipefail
program=$1 reference=$2 man_page=$3 forms=$4 cases=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
source "$(dirname "$0")/cases.sh"

run() {  # run INPUT ARGS...: sets status, out, err and codes
  in_empty "$1" "$program" "${@:2}"
  out=$(cat "$work/out") err=$(cat "$work/err")
  codes=$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ *$//')
}

# check KIND NAME WANT INPUT ARGS...: one row of the table.
check() {
  local kind=$1 name=$2 want=$3
  run "${@:4}"
  local complaints others wanted
  complaints=$(grep -c '^dialnote: no entry for "' <<<"$err")
  others=$(grep -vc '^dialnote: no entry for "\|^$' <<<"$err")
  case $kind in
    answers) [ "$status|$codes|$complaints" = "$want" ] && [ "$others" -eq 0 ] ;;
    usage) [ "$status" -eq 2 ] && [ -z "$out" ] && [[ $err == *'Usage: dialnote'* ]] ;;
    quoted) [ "$status|$(head -n 1 <<<"$err")" = "$want" ] && [ -z "$out" ] ;;
    prints) [ "$status" = "${want%%|*}" ] && grep -qE -- "${want#*|}" <<<"$out" && [ -z "$err" ] ;;
    search)
      wanted=""
      [ -n "${want#*|}" ] && wanted=$(grep -iE -- "${want#*|}" "$work/list")
      [ "$status" = "${want%%|*}" ] && [ "$out" = "$wanted" ] && [ -z "$err" ] ;;
  esac && [ -z "$(ls -A "$work/cwd")" ] ||
    fail "$name: status $status, codes '$codes', files $(ls "$work/cwd"), stderr: ${err:0:300}"
}

# --list: code, symbol and explanation of 600 to 878, as the reviewed tables hold them, and the
# lookup of every code answers its code and explanation.
run "" --list
cp "$work/out" "$work/list"
[ "$status" -eq 0 ] && diff -q "$work/list" <(join -t $'\t' <(tail -n +2 "$reference" | cut -f1,2) \
  <(tail -n +2 "$(dirname "$reference")/explanations.tsv")) >/dev/null ||
  fail "--list: status $status, not the symbols and explanations of the reference"
# shellcheck disable=SC2046
"$program" $(cut -f1 "$work/list") | diff -q - <(cut -f1,3 "$work/list") >/dev/null ||
  fail "the lookup of every code and --list disagree"

each_case "$cases" 'linux|both|cmd' check

# Every code form the core's test reads, as an argument: its code, or one complaint ("-" and
# forms holding a null are the core's alone).
while IFS= read -r row; do
  IFS=$'\x1f' read -r name text code <<<"${row//$'\t'/$'\x1f'}"
  case $text in - | *'\x00'*) continue ;; esac
  decode "$text"
  want="0|$code|0" && [ "$code" = 0 ] && want="1||1"
  check answers "$name" "$want" "" -- "$decoded"
done < <(tail -n +2 "$forms")

# A word without end (200 MB without white space) costs no more memory than its start.
mkfifo "$work/fifo"
"$program" - <"$work/fifo" >/dev/null 2>&1 &
reader=$!
exec 3>"$work/fifo"
head -c 200000000 /dev/zero | tr '\0' 7 >&3
peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$reader/status")
exec 3>&-
wait "$reader"
status=$?
[ "$status" -eq 1 ] && [ "$peak" -lt 100000 ] || fail "a word without end: status $status, peak $peak kB"
"$program" - </ >/dev/null 2>"$work/err"
status=$?
[ "$status" -eq 2 ] && grep -q '^dialnote: read error: ' "$work/err" ||
  fail "unreadable input: status $status, $(cat "$work/err")"

# The manual page names every option --help names, and how to read Persian on Windows.
for option in $("$program" -h | grep -oE -- '(^| )--?[a-z-]+' | tr -d ' ' | sort -u) notepad; do
  grep -qF -- "${option//-/\\-}" "$man_page" || fail "the manual page lacks $option"
done

full_and_closed "$program"

# Nothing loaded beyond the C and C++ runtimes (and the sanitizers').
ldd "$program" | awk '{print $1}' | grep -vE '^(linux-vdso|/lib64/ld-linux-x86-64|lib(c|m|dl|pthread|rt|stdc\+\+|gcc_s|[alu]+san))\.so' &&
  fail "the command loads more than the C and C++ runtimes"

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
