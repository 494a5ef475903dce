#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package that `cpack -G DEB` makes of the build: its control
# fields and the files it holds.
#   deb_package.sh CPACK_COMMAND BUILD_DIR DESKTOP_ID
set -euo pipefail

cpack_command=$1
build_dir=$2
id=$3

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack_command" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$out" -maxdepth 1 -name '*.deb')
[ "$(echo "$deb" | wc -w)" -eq 1 ] || fail "cpack made no single .deb: $deb"
[ "$(basename "$deb")" = "dialnote_2.0.0_$(dpkg --print-architecture).deb" ] ||
  fail "the package file is $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = dialnote ] || fail "Package: $(field Package)"
[ "$(field Version)" = 2.0.0 ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-dejavu-core; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

# The local address comes from the system, not from Qt's network module.
[[ "$depends" != *libqt6network6* ]] || fail "Depends holds libqt6network6: $depends"

[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ "$(field Recommends)" == *qt6-wayland* ]] || fail "Recommends: $(field Recommends)"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/dialnote "./usr/share/applications/$id.desktop" \
  ./usr/share/man/man1/dialnote.1.gz ./usr/share/doc/dialnote/copyright \
  ./usr/share/doc/dialnote/changelog.gz \
  "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  grep -qxF "$file" <<<"$contents" || fail "the package holds no $file"
done
# Debian's own checker: no error and no warning.
if command -v lintian >/dev/null; then
  findings=$(lintian --allow-root "$deb" 2>&1 | grep -E '^(E|W):' || true)
  [ -z "$findings" ] || fail "lintian: $findings"
fi
echo "passed: $(basename "$deb"), Depends: $depends"
