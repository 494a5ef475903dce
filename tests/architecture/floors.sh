#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders are floors, and every include between them points down:
#   app > main_window, splash > components > window_kit > platform > catalogue, assets
# The two windows know nothing of each other, and the core knows no Qt.   floors.sh SOURCE_DIR
set -euo pipefail
cd "$1"
declare -A floor=([catalogue]=0 [assets]=0 [platform]=1 [window_kit]=2 [components]=3
  [main_window]=4 [splash]=4 [app]=5)
status=0
for folder in "${!floor[@]}"; do
  while IFS=: read -r file _ target; do
    to=${target#\#include \"} && to=${to%/}
    if [ -n "${floor[$to]:-}" ] && [ "$to" != "$folder" ] && [ "${floor[$to]}" -ge "${floor[$folder]}" ]; then
      echo "$file includes $to/..., which is not on a lower floor" >&2 && status=1
    fi
  done < <(grep -rnoE '#include "[a-z_]+/' "$folder" --include='*.h' --include='*.cpp' --include='*.in')
done
if grep -rnE '#include <Q' catalogue; then
  echo "the core includes Qt" >&2
  status=1
fi
exit "$status"
