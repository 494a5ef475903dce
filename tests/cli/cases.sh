# SPDX-License-Identifier: GPL-3.0-or-later
# Reads tests/data/command-cases.tsv for the command's tests (sourced).
# each_case TABLE WHERE FUNCTION: calls FUNCTION KIND NAME WANT INPUT ARGS...
# for every row whose where-column is WHERE or "both", its fields decoded.
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
    [[ ${fields[1]} == "$where" || ${fields[1]} == both ]] || continue
    local decoded_fields=("${fields[0]}" "${fields[2]}")
    for field in "${fields[@]:3}"; do
      decode "$field"
      decoded_fields+=("$decoded")
    done
    "$function" "${decoded_fields[@]}"
  done <"$table"
}
