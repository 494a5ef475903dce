# SPDX-License-Identifier: GPL-3.0-or-later
# Reads tests/data/command-cases.tsv for the command's tests (sourced).
# each_case TABLE WHERE FUNCTION: calls FUNCTION KIND NAME WANT INPUT ARGS... for every row
# whose where-column matches the extended regular expression WHERE, its fields decoded.
decode() {  # decode TEXT: printf's %b, with <C*N> standing for N times C
  local rest=$1 text="" repeat='^([^<]*)[<](.)[*]([0-9]+)[>](.*)$'
  while [[ $rest =~ $repeat ]]; do
    text+=${BASH_REMATCH[1]}$(head -c "${BASH_REMATCH[3]}" /dev/zero | tr '\0' "${BASH_REMATCH[2]}")
    rest=${BASH_REMATCH[4]}
  done
  LC_ALL=C.UTF-8 printf -v decoded '%b' "$text$rest"
}
# in_empty INPUT COMMAND...: in $work/cwd, empty but for an old answers.txt; sets status and
# $work/out (with answers.txt if it was rewritten), $work/err, and leaves the folder empty.
in_empty() {
  rm -rf "$work/cwd" && mkdir "$work/cwd" && echo old >"$work/cwd/answers.txt"
  status=0
  printf '%s' "$1" | (cd "$work/cwd" && "${@:2}") >"$work/out" 2>"$work/err" || status=$?
  [ "$(cat "$work/cwd/answers.txt")" = old ] || cat "$work/cwd/answers.txt" >>"$work/out"
  rm "$work/cwd/answers.txt"
}
each_case() {
  local table=$1 where=$2 function=$3 line field fields
  while IFS= read -r line; do
    [[ -z $line || $line == '#'* ]] && continue
    IFS=$'\x1f' read -r -a fields <<<"${line//$'\t'/$'\x1f'}"
    [[ ${fields[1]} =~ ^($where)$ ]] || continue
    local decoded_fields=("${fields[0]}" "${fields[2]}")
    for field in "${fields[@]:3}"; do
      decode "$field"
      decoded_fields+=("$decoded")
    done
    "$function" "${decoded_fields[@]}"
  done <"$table"
}
# full_and_closed COMMAND...: a full disk is an error; a reader gone after a pipe's 64 kB is
# not, nor is the status of what came before lost.
full_and_closed() {
  "$@" --list >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 2 ] && grep -q '^dialnote: write error: ' "$work/err" ||
    fail "a full disk: status $status, $(cat "$work/err")"
  local first codes want
  codes=$(yes 691 | head -n 2000)
  for first in 600 junk -; do
    # shellcheck disable=SC2086
    "$@" "$first" $codes 2>"$work/err" <<<"$codes" | head -n 1 >/dev/null
    status=${PIPESTATUS[0]} want='0|' && [ "$first" = junk ] && want='1|dialnote: no entry for "junk"'
    [ "$status|$(cat "$work/err")" = "$want" ] || fail "closed pipe after $first: status $status, $(cat "$work/err")"
  done
}
