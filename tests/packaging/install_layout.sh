#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layout that `cmake --install` gives a prefix, and the desktop entry and
# AppStream metainfo in it as the desktop's own validators judge them.
#   install_layout.sh CMAKE_COMMAND BUILD_DIR DESKTOP_ID WEB_ADDRESS LINES_TSV
set -euo pipefail
cmake_command=$1 build_dir=$2 id=$3 web_address=$4 lines=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null

desktop="share/applications/$id.desktop"
metainfo="share/metainfo/$id.metainfo.xml"
png="share/icons/hicolor/48x48/apps/$id.png"
svg="share/icons/hicolor/scalable/apps/$id.svg"
cd "$prefix"
file -b "$png" | grep -q "^PNG image data, 48 x 48" || fail "$png is $(file -b "$png")"
grep -q "<svg" "$svg" || fail "$svg is no SVG drawing"

# Errors, warnings and hints alike fail.
messages=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$messages" ] || fail "desktop-file-validate: $messages"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"

# The files name the same program, by the same id.
while IFS=$'\t' read -r file line; do
  line=${line//@ID@/$id}
  grep -qxF -- "${line//@WEB@/$web_address}" "${!file}" || fail "${!file} has no line: ${line//@WEB@/$web_address}"
done < <(grep -v '^#' "$lines")
grep -q '<release version="2.0.0"' "$metainfo" || fail "$metainfo has no 2.0.0 release"

# The manual page reads.
! command -v man >/dev/null || MANWIDTH=80 man -l share/man/man1/dialnote.1.gz 2>&1 | grep -q "EXIT STATUS" ||
  fail "the manual page does not render"
echo "passed: $(find . -type f | sort | tr '\n' ' ')"
