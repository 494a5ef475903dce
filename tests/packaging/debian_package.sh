#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages judged as Debian judges them (as root; .ci/run runs it): lintian,
# hardening-check, blhc, the same build in a clean bookworm chroot byte for byte, the .deb
# installed, removed and purged there (--in-chroot), autopkgtest.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2}

if [ "${1:-}" = --in-chroot ]; then
  cd "$(dirname "$0")/../.."
  apt-get build-dep -y -q . >/dev/null
  dpkg-buildpackage -us -uc >../build.log 2>&1 || { tail -n 60 ../build.log; fail "chroot build"; }
  deb=$(realpath ../dialnote_*_amd64.deb)
  snapshot() {
    find / -xdev \( -path /build -o -path /tmp -o -path /var/lib/dpkg -o -path /var/lib/apt \
      -o -path /var/cache -o -path /var/log \) -prune -o -print | sort
  }
  snapshot >/tmp/before
  apt-get install -y -q --no-install-recommends "$deb" >/dev/null
  dpkg-query -L dialnote | while read -r path; do [ -d "$path" ] || echo "$path"; done >/tmp/files
  apt-get remove -y -q dialnote >/dev/null
  left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done </tmp/files)
  [ -z "$left" ] || fail "removed, the package leaves: $left"
  # Removed, a package without conffiles is gone from apt's sight: dpkg purges.
  dpkg --purge dialnote >/dev/null && apt-get autoremove -y -q --purge >/dev/null
  left=$(snapshot | diff /tmp/before - | grep '^[<>]' || true)
  [ -z "$left" ] || fail "purged, the system differs from before the install: $left"
  echo "installed $(wc -l </tmp/files) files, removed and purged: nothing left"
  exit 0
fi

cd "$(dirname "$0")/../.."
[ "$(id -u)" -eq 0 ] || fail "run as root: it builds a chroot and installs the package"
step() { echo "-- $1 ($(date -u +%T), ${SECONDS} s in)"; }

step "the packaging tools and the Build-Depends"
tools=(devscripts lintian autopkgtest mmdebstrap blhc debhelper dpkg-dev)
[ "$(dpkg-query -W -f='${Status}\n' "${tools[@]}" 2>/dev/null | grep -c 'install ok installed')" = ${#tools[@]} ] ||
  { apt-get update -qq; apt-get install -y -q --no-install-recommends "${tools[@]}" >/dev/null; }
dpkg-checkbuilddeps 2>/dev/null || apt-get build-dep -y -q . >/dev/null
version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d /var/tmp/dialnote-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The tracked files alone, so no build folder gets into the source package.
tree=$work/host/dialnote-$version
mkdir -p "$tree"
git ls-files -z | tar --null -T - -c | tar -x -C "$tree"

step "dpkg-buildpackage -us -uc"
(cd "$tree" && DEB_BUILD_OPTIONS="nocheck $DEB_BUILD_OPTIONS" dpkg-buildpackage -us -uc) >"$work/host/build.log" 2>&1 ||
  { tail -n 60 "$work/host/build.log"; fail "dpkg-buildpackage"; }
changes=$work/host/dialnote_${version}_amd64.changes
deb=$work/host/dialnote_${version}_amd64.deb
[ -f "$deb" ] && [ -f "$work/host/dialnote_$version.dsc" ] || fail "no .deb or no .dsc: $(ls "$work/host")"

step "lintian"
lintian --allow-root --display-info --fail-on error,warning "$changes" ||
  fail "lintian finds errors or warnings"
# The windows' font, and the address read from the system, not Qt's network.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *fonts-dejavu-core* && $depends == *libqt6widgets6* && $depends != *network* ]] ||
  fail "Depends: $depends"

step "hardening-check and blhc"
dpkg-deb -x "$deb" "$work/root"
# Bookworm's dpkg-buildflags gives no control-flow protection.
hardening-check --nocfprotection "$work/root/usr/bin/dialnote" "$work/root/usr/libexec/dialnote/dialnote" ||
  fail "hardening-check"
blhc --all "$work/host/build.log" || fail "blhc finds flags missing in the build log"

step "the build in a clean bookworm chroot"
mkdir -p "$work/chroot"
sources=$(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
  2>/dev/null || true)
# shellcheck disable=SC2086 # one argument per sources file
mmdebstrap --variant=buildd --quiet \
  --customize-hook='mkdir "$1/build"' \
  --customize-hook="copy-in $work/host/dialnote_$version.tar.xz /build" \
  --customize-hook="chroot \"\$1\" tar -C /build -xf /build/dialnote_$version.tar.xz" \
  --customize-hook="chroot \"\$1\" env DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS bash \
/build/dialnote-$version/tests/packaging/debian_package.sh --in-chroot" \
  --customize-hook="sync-out /build $work/chroot" \
  bookworm /dev/null $sources || fail "the chroot build"

step "the two builds byte for byte"
cmp "$deb" "$work/chroot/dialnote_${version}_amd64.deb" ||
  fail "the .deb built here and the one built in the chroot differ"
sha256sum "$deb" "$work/chroot/dialnote_${version}_amd64.deb"

step "autopkgtest, null runner"
autopkgtest --output-dir "$work/autopkgtest" "$deb" "$tree/" -- null ||
  fail "autopkgtest"
apt-get purge -y -q dialnote >/dev/null
echo "passed: dialnote $version, lintian-clean, hardened, reproducible, autopkgtest"
