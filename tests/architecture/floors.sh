#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders are floors, and every include between them points down:
#   app > main_window, splash > components > window_kit > platform > catalogue, assets
# The two windows know nothing of each other, and the core knows no Qt.
# Usage: floors.sh SOURCE_DIR
set -euo pipefail
cd "$1"
declare -A floor=([catalogue]=0 [assets]=0 [platform]=1 [window_kit]=2 [components]=3
  [main_window]=4 [splash]=4 [app]=5)
status=0
for folder in "${!floor[@]}"; do
  while IFS=: read -r file _ target; do
    to="${target%%/*}"
    [ -n "${floor[$to]:-}" ] || continue
    if [ "$to" != "$folder" ] && [ "${floor[$to]}" -ge "${floor[$folder]}" ]; then
      echo "$file includes $target, which is not on a lower floor" >&2
      status=1
    fi
  done < <(grep -rnoE '#include "[^"]+"' "$folder" --include='*.h' --include='*.cpp' --include='*.in' |
           sed -E 's/#include "([^"]+)"/\1/')
done
if grep -rnE '#include <Q' catalogue; then
  echo "the core includes Qt" >&2
  status=1
fi
# The lookup command links no Qt: neither its sources nor any header they
# include, however deep, includes Qt. (app/gui_main.h is the GUI's, which only
# Dialnote.exe, built with it, reaches.)
pending=(app/main.cpp app/command_line.cpp)
declare -A seen=()
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  [ -f "$file" ] || file=$file.in  # a header that CMake configures
  [ -z "${seen[$file]:-}" ] && [ -f "$file" ] || continue
  seen[$file]=1
  if grep -nE '#include <Q' "$file"; then
    echo "the lookup command's $file includes Qt" >&2
    status=1
  fi
  for included in $(sed -nE 's/^#include "([^"]+)"/\1/p' "$file" | grep -vx 'app/gui_main.h'); do
    pending+=("$included" "${included%.h}.cpp")
  done
done
exit "$status"
