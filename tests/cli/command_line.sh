#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lookup command as a user, a script or a pipe meets it, with no display.
#   command_line.sh PROGRAM REFERENCE_TSV MAN_PAGE CODE_FORMS_TSV
set -uo pipefail
program=$1
reference=$2
man_page=$3
forms=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# run ARGS...: the program with no input; sets status, out, err.
# run_with INPUT ARGS...: the same, INPUT on standard input.
run_with() {
  status=0
  printf '%s' "$1" | "$program" "${@:2}" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
run() { run_with "" "$@"; }

# check NAME STATUS CODES COMPLAINTS: the codes (first fields) printed in
# order, how many "no entry" complaints, and nothing else on stderr.
check() {
  local name=$1 want_status=$2 want_codes=$3 want_errors=$4 codes errors others
  codes=$(cut -f1 "$work/out" | tr '\n' ' ' | sed 's/ $//')
  errors=$(grep -c '^dialnote: no entry for "' "$work/err")
  others=$(grep -vc '^dialnote: no entry for "' "$work/err")
  if [ "$status" -ne "$want_status" ] || [ "$codes" != "$want_codes" ] ||
     [ "$errors" -ne "$want_errors" ] || [ "$others" -ne 0 ]; then
    fail "$name: status $status, codes '$codes', $errors complaints; stderr: $err"
  fi
}
# expect NAME STATUS CODES COMPLAINTS -- ARGS...
expect() { run "${@:6}"; check "$@"; }
# expect_input NAME STATUS CODES COMPLAINTS INPUT ARGS...
expect_input() { run_with "$5" "${@:6}"; check "$@"; }

rlm=$'\u200f' lrm=$'\u200e' alm=$'\u061c' zwsp=$'\u200b' zwnj=$'\u200c' bom=$'\ufeff'
nbsp=$'\u00a0' nnbsp=$'\u202f' fsi=$'\u2068' pdi=$'\u2069' rle=$'\u202b'
fa691=$'\u06f6\u06f9\u06f1' ar691=$'\u0666\u0669\u0661'

expect "a decimal code" 0 "691" 0 -- 691
expect "every form in one call, in order" 0 "600 691 800 800 691 691" 0 -- \
  " 0600 " 0x800702b3 -2147024096 80070320 ERROR_AUTHENTICATION_FAILURE error_authentication_failure
expect "a signed HRESULT after a code" 0 "600 691" 0 -- 600 -2147024205
expect "codes after -- are codes" 0 "691" 0 -- -- 691
expect "codes out of range go on to the next" 1 "600 800" 2 -- 599 600 801 800
expect "no entry for junk" 1 "" 4 -- "" ERROR_FOO 0x80070001 "$(printf '\xff\xfe')"
expect "10 kB of junk" 1 "" 1 -- "$(head -c 10240 /dev/zero | tr '\0' 'x')"

# Every code form of the table that the core's test reads too, given alone:
# its code answered, or one complaint. "-" reads standard input, and an
# argument cannot hold a null: those rows are the core's alone.
{
  read -r _  # the heading
  while IFS= read -r row; do
    name=${row%%$'\t'*} rest=${row#*$'\t'}
    text=${rest%$'\t'*} code=${rest##*$'\t'}
    case $text in - | *'\x00'*) continue ;; esac
    LC_ALL=C.UTF-8 printf -v text '%b' "$text"
    status=0
    out=$("$program" -- "$text" 2>"$work/err" </dev/null) || status=$?
    err=$(<"$work/err")
    if [ "$code" = 0 ]; then
      [ "$status" -eq 1 ] && [ -z "$out" ] && [[ $err == 'dialnote: no entry for "'* ]]
    else
      [ "$status" -eq 0 ] && [ "${out%%$'\t'*}" = "$code" ] && [ -z "$err" ]
    fi && [[ $out$err != *$'\n'* ]] ||
      fail "$name: status $status, answer '${out%%$'\t'*}', stderr: $err"
  done
} <"$forms"
expect "marks of every kind around every form" 0 "691 691 691" 0 -- \
  "$rlm$fsi${nbsp}0x800702B3$pdi$lrm" "$bom -2147024205$alm" "$zwsp${nnbsp}ERROR_AUTHENTICATION_FAILURE$rle"

# Usage errors: status 2, the usage line, and no answer.
usage() {
  local name=$1
  shift
  run "$@"
  [ "$status" -eq 2 ] && [ -z "$out" ] && grep -q '^Usage: dialnote' "$work/err" ||
    fail "$name: status $status, stdout '$out', stderr: $err"
}
usage "no code at all" --
usage "an unknown option" -x 691
usage "an unknown long option" --bogus 691
usage "an option of Qt's" --qmljsdebugger=x
usage "an option given a value it does not take" --list=x
usage "--list with codes" --list 691
usage "--search without words" --search
usage "a word that folds to nothing" --search "$zwnj"
usage "--list and --search together" --list --search x
usage "a minus sign and a mark is no number" "-${rlm}691"
usage "-o without a file name" 691 -o
usage "--list with codes, and a file that is not made" --list 691 --output "$work/never"
[ ! -e "$work/never" ] || fail "a usage error made the file of --output"

# Complaints show what was given safely: cut to 40 characters, controls,
# marks and bytes that are not UTF-8 escaped, in lowercase hex.
quoting() {
  local name=$1 want=$2
  shift 2
  run "$@"
  [ "$(head -n 1 "$work/err")" = "$want" ] || fail "quoting $name: got $(head -n 1 "$work/err")"
}
quoting "a long argument with controls" \
  'dialnote: no entry for "a\tb\xff\u202e\"0000000000000000000000000000000000…"' \
  "$(printf 'a\tb\xff\xe2\x80\xae"%050d' 0)"
quoting "a mark inside a code" 'dialnote: no entry for "6\u200f91"' "6${rlm}91"
quoting "a no-break space and a byte" 'dialnote: no entry for "6\u00a09\xa01"' \
  "6${nbsp}9$(printf '\xa0')1"
quoting "marks around a word" 'dialnote: no entry for "\u200fx\u2066"' "${rlm}x"$'\u2066'
quoting "format characters" 'dialnote: no entry for "6\u00ad9\u20601\U000e0041\u0600"' \
  $'6\u00ad9\u20601\U000e0041\u0600'
quoting "a line separator" 'dialnote: no entry for "691\u2028"' $'691\u2028'
quoting "visible neighbours of escaped characters as they are" \
  $'dialnote: no entry for "\\ufffb\ufffc\u200a\\u200b\u061b"' $'\ufffb\ufffc\u200a\u200b\u061b'
quoting "an escape sequence in an option" 'dialnote: unknown option "--\x1b[31mred"' \
  $'--\e[31mred'
quoting "a 130 kB option" "dialnote: unknown option \"--$(printf 'x%.0s' {1..38})…\"" \
  "--$(head -c 130000 /dev/zero | tr '\0' 'x')"
quoting "a short option" 'dialnote: unknown option "-x"' -hx
quoting "a value to a long option" 'dialnote: the option "--list" takes no value' --list=1
quoting "a value to --help" 'dialnote: the option "--help" takes no value' --help=1
quoting "a value to --version" 'dialnote: the option "--version" takes no value' --version=x

# Standard input: "-" reads codes separated by white space, in order, among
# the arguments' codes.
expect_input "codes on standard input" 0 "691 600 800" 0 $'691 600\n800\n' -
expect_input "lines of a Windows file" 0 "691 600" 0 $'691\r\n0x80070258\r\n' -
expect_input "among arguments, in order" 1 "700 691 600 701" 1 $'691\tjunk\n600' 700 - 701
expect_input "empty input answers nothing" 0 "" 0 "" -
expect_input "blank input answers nothing" 0 "" 0 $' \n\t\n' -
expect_input "a second \"-\" finds the input at its end" 0 "691 600" 0 "691" - 600 -
expect_input "Persian digits and marks on input" 0 "691 691" 0 "$rlm$fa691$rlm $ar691" -
expect_input "a 200 kB word names nothing" 1 "" 1 "$(head -c 204800 /dev/zero | tr '\0' 7)" -
grep -q '…"$' "$work/err" || fail "the 200 kB word's complaint is not cut: $(head -c 200 "$work/err")"
# A word without end (200 MB without white space) costs no more memory than
# its start.
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
# The log of the issue: grep -o 'error [0-9]*' ras.log | cut -d' ' -f2 | dialnote -
expect_input "codes from a log" 1 "691 800" 1 \
  "$(printf 'dial: error 691\nvpn: error 800\nmodem: error 42\n' | grep -o 'error [0-9]*' |
     cut -d' ' -f2)" -
status=0
"$program" - </ >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q '^dialnote: read error: ' "$work/err" ||
  fail "unreadable input: status $status, $(cat "$work/err")"

# An answer is the catalogue's text, byte for byte.
run 784
[ "$(cut -f2 "$work/out" | tr -d '\n' | iconv -f UTF-8 -t UTF-16LE | wc -c)" -eq 618 ] ||
  fail "784's explanation is not 309 UTF-16 code units"

# The list: 201 rows of three fields, in code order, with the Windows symbols.
run --list
[ "$status" -eq 0 ] || fail "--list: status $status"
cp "$work/out" "$work/list"
awk -F'\t' 'NF != 3 || $1 != 599 + NR { bad = 1 } END { exit bad || NR != 201 }' "$work/list" ||
  fail "--list is not 201 ordered rows of three fields"
diff <(cut -f1,2 "$work/list") <(tail -n +2 "$reference" | cut -f1,2) >/dev/null ||
  fail "--list symbols differ from the reference"
while IFS=$'\t' read -r code _ explanation; do
  [ "$("$program" "$code" | cut -f2)" = "$explanation" ] ||
    fail "--list and the lookup disagree on $code"
done < <(sed -n '1p;92p;185p;201p' "$work/list")

# Search, with words as a Persian keyboard types them (ی ک, a non-joiner),
# against what grep finds for the catalogue's own spelling (ي ك, a space).
# search NAME STATUS PATTERN -- WORDS...: the entries found are --list's rows
# that match the extended regular expression PATTERN, without regard to case
# (none when PATTERN is empty).
search() {
  local name=$1 want_status=$2 pattern=$3
  shift 4
  run --search "$@"
  local want=""
  [ -n "$pattern" ] && want=$(grep -iE -- "$pattern" "$work/list")
  [ "$status" -eq "$want_status" ] && [ "$out" = "$want" ] && [ -z "$err" ] ||
    fail "search $name: status $status, found $(cut -f1 <<<"$out" | tr '\n' ' ')"
}
search "Persian yeh and keheh, no space" 0 'پيكر ?بندي' -- 'پیکربندی'
search "a tatweel and diacritics" 0 'پيكر ?بندي' -- 'پیـکَربندی'
search "a non-joiner for the catalogue's space" 0 'مي ?شود' -- 'می‌شود'
search "two words, in either order" 0 'كاربري.*عبور|عبور.*كاربري' -- 'کاربری' 'عبور'
search "a Latin word, any case" 0 'authentication' -- AuthenticaTion
search "a word of the symbol and one of the explanation" 0 '^691' -- _FAILURE 'کاربری'
search "Persian digits in a symbol" 0 'X25' -- $'x\u06f2\u06f5'
search "nothing found" 1 '' -- 'پیکربندی' 'zzzz'
grep -qE 'ی and ي|notepad' <("$program" --help) || fail "--help lacks the search and console notes"

run --version
[ "$out" = "Dialnote 2.0.0" ] && [ "$status" -eq 0 ] || fail "--version: $out"
run -h
[ "$status" -eq 0 ] || fail "-h: status $status"
# The manual page names every option that --help names, and the console note.
for option in $(grep -oE -- '(^| )--?[a-z-]+' "$work/out" | tr -d ' ' | sort -u); do
  grep -qF -- "${option//-/\\-}" "$man_page" || fail "the manual page lacks $option"
done
grep -q 'notepad' "$man_page" || fail "the manual page does not say how to read Persian on Windows"

# -o FILE: the answers in a file the command writes itself, replacing what
# was there; nothing on standard output.
echo old >"$work/answers"
expect "answers into a file" 0 "" 0 -- 691 -o "$work/answers" 800
cmp -s "$work/answers" <("$program" 691 800) || fail "-o wrote $(head -c 100 "$work/answers")"

# Output that cannot be written: a full disk is an error, a reader gone away
# (after more than a pipe's 64 kB buffer) is not.
for file in /dev/full "$work/no/file"; do
  run 691 800 -o "$file"
  [ "$status" -eq 2 ] && [ -z "$out" ] && [[ $err =~ ^dialnote:\ (write\ error:\ No\ space\ left\ on\ device|cannot\ write\ \".*/no/file\":\ No\ such\ file\ or\ directory)$ ]] ||
    fail "-o $file: status $status, stdout '$out', stderr: $err"
done
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

# The command loads neither Qt nor anything else beyond the C and C++ runtimes
# (and, in a sanitizer build, the sanitizers' own).
libraries=$(ldd "$program" | awk '{print $1}' | sed 's/\.so.*//' | sort -u | tr '\n' ' ')
case " $libraries " in
  *Qt* | *icu*) fail "the command loads Qt: $libraries" ;;
esac
for library in $libraries; do
  case "$library" in
    linux-vdso | /lib64/ld-linux-x86-64 | libc | libm | libdl | libpthread | librt) ;;
    libstdc++ | libgcc_s | libasan | libubsan | liblsan) ;;
    *) fail "the command loads $library" ;;
  esac
done

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
