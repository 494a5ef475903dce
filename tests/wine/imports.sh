#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A shipped executable is one file for its subsystem (Dialnote.exe for the GUI, dialnote.com for
# the console) that imports only DLLs every Windows 10 and 11 has: no Qt, C++ runtime or thread
# library beside it.   imports.sh EXECUTABLE gui|console [EXECUTABLE gui|console...]
set -euo pipefail
system='^(KERNEL32|USER32|GDI32|SHELL32|SHCORE|ADVAPI32|OLE32|OLEAUT32|COMDLG32|IMM32|WINMM|WS2_32|IPHLPAPI|UXTHEME|DWMAPI|SHLWAPI|VERSION|NETAPI32|USERENV|WTSAPI32|MPR|SETUPAPI|D3D9|D3D11|DXGI|D2D1|DWRITE|AUTHZ|MSVCRT|UCRTBASE|API-MS-WIN-[A-Z0-9-]+|CRYPT32|BCRYPT|SECUR32|RPCRT4|COMCTL32)\.DLL$'
status=0
while [ $# -gt 0 ]; do
  dump=$(x86_64-w64-mingw32-objdump -p "$1")
  case $2 in gui) subsystem=2 ;; console) subsystem=3 ;; esac
  grep -q "^Subsystem[[:space:]]*0*$subsystem[[:space:]]" <<<"$dump" ||
    { echo "FAIL: $1 is not a $2-subsystem program: $(grep '^Subsystem' <<<"$dump")" >&2; status=1; }
  foreign=$(awk '/DLL Name:/ {print toupper($3)}' <<<"$dump" | grep -vE "$system" || true)
  [ -z "$foreign" ] || { echo "FAIL: $1 imports" $foreign", which Windows does not ship" >&2; status=1; }
  echo "$(basename "$1") imports: $(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$dump")"
  shift 2
done
exit "$status"
