#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's emulator: run.sh PROGRAM.exe [ARGS...] under Wine, in one prefix per build folder
# (DIALNOTE_WINEPREFIX); QT_* variables reach the program only as WINEQT_*.
set -euo pipefail
export WINEPREFIX=${DIALNOTE_WINEPREFIX:-${DIALNOTE_WINE_BUILD_DIR:-$PWD}/wineprefix}
export DIALNOTE_WINE_TEMPLATE=${DIALNOTE_WINE_TEMPLATE:-$(dirname "$WINEPREFIX")/wine-template}
source "$(dirname "$0")/prefix.sh"
wine_once "$WINEPREFIX" wine_fresh_prefix
while IFS='=' read -r name value; do
  export "WINE$name=$value"
done < <(env | grep -E '^QT_[A-Z_]+=' || true)
export WINEQT_FORCE_STDERR_LOGGING=1
exec wine "$@"
