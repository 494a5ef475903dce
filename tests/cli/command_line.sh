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
    search)
      wanted=""
      [ -n "${want#*|}" ] && wanted=$(grep -iE -- "${want#*|}" "$work/list")
      [ "$status" = "${want%%|*}" ] && [ "$out" = "$wanted" ] && [ -z "$err" ] ;;
  esac && [ -z "$(ls -A "$work/cwd")" ] ||
    fail "$name: status $status, codes '$codes', files $(ls "$work/cwd"), stderr: ${err:0:300}"
}

# The list: 279 rows of three fields, 600 to 878 in order, the symbols, the lookup's explanations.
run "" --list
cp "$work/out" "$work/list"
[ "$status" -eq 0 ] || fail "--list: status $status"
awk -F'\t' 'NF != 3 || $1 != 599 + NR { bad = 1 } END { exit bad || NR != 279 }' "$work/list" ||
  fail "--list is not 279 ordered rows of three fields"
diff <(cut -f1,2 "$work/list") <(tail -n +2 "$reference" | cut -f1,2) >/dev/null ||
  fail "--list symbols differ from the reference"
while IFS=$'\t' read -r code _ explanation; do
  [ "$("$program" "$code" | cut -f2)" = "$explanation" ] ||
    fail "--list and the lookup disagree on $code"
done < <(sed -n '1p;92p;185p;201p;210p;279p' "$work/list")
# 784's explanation whole: 309 UTF-16 code units.
[ "$("$program" 784 | cut -f2 | tr -d '\n' | iconv -f UTF-8 -t UTF-16LE | wc -c)" -eq 618 ] ||
  fail "784's explanation is not 309 UTF-16 code units"

each_case "$cases" linux check

# Every code form the core's test reads, as an argument: its code, or one complaint ("-" and
# forms holding a null are the core's alone).
while IFS= read -r row; do
  IFS=$'\x1f' read -r name text code <<<"${row//$'\t'/$'\x1f'}"
  case $text in - | *'\x00'*) continue ;; esac
  decode "$text"
  run "" -- "$decoded"
  want="0|$code|0"
  [ "$code" = 0 ] && want="1||1"
  [ "$status|$codes|$(grep -c . <<<"$err")" = "$want" ] ||
    fail "$name: status $status, answer '${out%%$'\t'*}', stderr: $err"
done < <(tail -n +2 "$forms")

# A word without end (200 MB without white space) costs no more memory than its start.
mkfifo "$work/fifo"
"$program" - <"$work/fifo" >/dev/null 2>&1 &
reader=$!
exec 3>"$work/fifo"
head -c 200000000 /dev/zero | tr '\0' 7 >&3
peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$reader/status")
exec 3>&-
status=0
wait "$reader" || status=$?
[ "$status" -eq 1 ] && [ "$peak" -lt 100000 ] ||
  fail "a word without end: status $status, peak memory $peak kB"
status=0
"$program" - </ >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q '^dialnote: read error: ' "$work/err" ||
  fail "unreadable input: status $status, $(cat "$work/err")"

# --help, --version and the manual page, which names every option --help names.
grep -qE 'ی and ي' <("$program" --help) && grep -q -- '-o 691.txt' <("$program" --help) ||
  fail "--help lacks the search or the Windows console notes"
[ "$("$program" --version)" = "Dialnote 2.0.0" ] || fail "--version: $("$program" --version)"
for option in $("$program" -h | grep -oE -- '(^| )--?[a-z-]+' | tr -d ' ' | sort -u); do
  grep -qF -- "${option//-/\\-}" "$man_page" || fail "the manual page lacks $option"
done
grep -q 'notepad' "$man_page" || fail "the manual page does not say how to read Persian on Windows"

# A full disk is an error; a reader gone after a pipe's 64 kB is not.
status=0
"$program" --list >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -qx 'dialnote: write error: No space left on device' "$work/err" ||
  fail "/dev/full: status $status, $(cat "$work/err")"
codes=$(yes 691 | head -n 2000 | tr '\n' ' ')
for first in 600 junk; do
  want=0
  [ "$first" = junk ] && want=1
  # shellcheck disable=SC2086
  "$program" "$first" $codes 2>"$work/err" | head -n 1 >/dev/null
  status=${PIPESTATUS[0]}
  [ "$status" -eq "$want" ] && [ "$(grep -vc '^dialnote: no entry for "junk"' "$work/err")" -eq 0 ] ||
    fail "closed pipe after $first: status $status, $(cat "$work/err")"
done
yes 691 | head -n 2000 | "$program" - 2>"$work/err" | head -n 1 >/dev/null
status=${PIPESTATUS[2]}
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] ||
  fail "closed pipe reading standard input: status $status, $(cat "$work/err")"

# Nothing loaded beyond the C and C++ runtimes (and the sanitizers').
for library in $(ldd "$program" | awk '{print $1}' | sed 's/\.so.*//' | sort -u); do
  case "$library" in
    linux-vdso | /lib64/ld-linux-x86-64 | libc | libm | libdl | libpthread | librt) ;;
    libstdc++ | libgcc_s | libasan | libubsan | liblsan) ;;
    *) fail "the command loads $library" ;;
  esac
done

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
