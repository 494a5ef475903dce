#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lookup command as a user, a script or a pipe meets it, with no display.
#   command_line.sh PROGRAM REFERENCE_TSV MAN_PAGE
set -uo pipefail
program=$1
reference=$2
man_page=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run ARGS...: the program without any display; sets status, out, err.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" \
    >"$work/out" 2>"$work/err" </dev/null || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

# expect NAME STATUS STDOUT-CODES STDERR-LINES -- ARGS...: the codes (first
# fields) printed in order, and how many complaints.
expect() {
  local name=$1 want_status=$2 want_codes=$3 want_errors=$4
  shift 5
  run "$@"
  local codes errors
  codes=$(cut -f1 "$work/out" | tr '\n' ' ' | sed 's/ $//')
  errors=$(grep -c '^dialnote: no entry for "' "$work/err")
  if [ "$status" -ne "$want_status" ] || [ "$codes" != "$want_codes" ] ||
     [ "$errors" -ne "$want_errors" ]; then
    fail "$name: status $status, codes '$codes', $errors complaints; stderr: $err"
  fi
}

expect "a decimal code" 0 "691" 0 -- 691
expect "every form in one call, in order" 0 "600 691 800 800 691 691" 0 -- \
  " 0600 " 0x800702b3 -2147024096 80070320 ERROR_AUTHENTICATION_FAILURE error_authentication_failure
expect "a signed HRESULT after a code" 0 "600 691" 0 -- 600 -2147024205
expect "codes after -- are codes" 0 "691" 0 -- -- 691
expect "codes out of range go on to the next" 1 "600 800" 2 -- 599 600 801 800
expect "no entry for junk" 1 "" 4 -- "" ERROR_FOO 0x80070001 "$(printf '\xff\xfe')"
expect "10 kB of junk" 1 "" 1 -- "$(head -c 10240 /dev/zero | tr '\0' 'x')"
expect "an unknown option is a usage error" 2 "" 0 -- --bogus 691

# The complaint shows the argument safely: cut to 40 characters, controls and
# bytes that are not UTF-8 escaped.
run "$(printf 'a\tb\xff\xe2\x80\xae"%050d' 0)"
want='dialnote: no entry for "a\tb\xFF\u202E\"0000000000000000000000000000000000…"'
[ "$err" = "$want" ] || fail "quoting: got $err"

# An answer is the catalogue's text, byte for byte.
run 784
[ "$(cut -f2 "$work/out" | tr -d '\n' | iconv -f UTF-8 -t UTF-16LE | wc -c)" -eq 618 ] ||
  fail "784's explanation is not 309 UTF-16 code units"

# The list: 201 rows of three fields, in code order, with the Windows symbols.
run --list
[ "$status" -eq 0 ] || fail "--list: status $status"
awk -F'\t' 'NF != 3 || $1 != 599 + NR { bad = 1 } END { exit bad || NR != 201 }' "$work/out" ||
  fail "--list is not 201 ordered rows of three fields"
if [ -f "$reference" ]; then
  diff <(cut -f1,2 "$work/out") <(tail -n +2 "$reference" | cut -f1,2) >/dev/null ||
    fail "--list symbols differ from the reference"
else
  echo "note: no reference table at $reference; symbols checked by sample only"
fi
grep -qxF $'691\tERROR_AUTHENTICATION_FAILURE' <(cut -f1,2 "$work/out") || fail "691's symbol"
while IFS=$'\t' read -r code _ explanation; do
  [ "$(env -u DISPLAY "$program" "$code" | cut -f2)" = "$explanation" ] ||
    fail "--list and the lookup disagree on $code"
done < <(sed -n '1p;92p;185p;201p' "$work/out")

run --version
[ "$out" = "Dialnote 2.0.0" ] && [ "$status" -eq 0 ] || fail "--version: $out"
run -h
[ "$status" -eq 0 ] || fail "-h: status $status"
# The manual page names every option that --help names.
for option in $(grep -oE -- '--[a-z-]+' "$work/out" | grep -v -- '--help-all' | sort -u); do
  grep -qF -- "${option//-/\\-}" "$man_page" || fail "the manual page lacks $option"
done

# Output that cannot be written: a full disk, a reader gone away.
status=0
env -u DISPLAY "$program" --list >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "/dev/full: status $status"
status=0
env -u DISPLAY "$program" --list 2>"$work/err" | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -le 1 ] && [ ! -s "$work/err" ] || fail "closed pipe: status $status, $(cat "$work/err")"

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
