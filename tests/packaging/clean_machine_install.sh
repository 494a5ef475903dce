#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the .deb on a Debian 12 system that has never built Dialnote: a
# fresh minimal bookworm made with debootstrap, then `apt-get install ./deb`,
# `dialnote 691` without a display and `dialnote` on a virtual X display.
# Not part of CTest (it fetches a whole system from Debian's mirror and takes
# minutes); run it by hand, as root:
#   tests/packaging/clean_machine_install.sh ../dialnote_2.0.0_amd64.deb
# (dpkg-buildpackage -us -uc leaves the package beside the source folder)
set -euo pipefail
deb=$(realpath "$1")
mirror=$(sed -n 's|^URIs: *\(.*/debian/*\)$|\1|p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
  head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
root=$(mktemp -d /var/tmp/dialnote-clean.XXXXXX)
cleanup() {
  for mount in proc sys dev; do umount -l "$root/$mount" 2>/dev/null || true; done
  rm -rf "$root"
}
trap cleanup EXIT
echo "-- a minimal Debian 12 from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log"; exit 1; }
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
echo "-- apt-get install ./$(basename "$deb")"
in_root apt-get install -y -qq "/tmp/$(basename "$deb")" >/dev/null
echo "-- dialnote 691, no display"
in_root dialnote 691
in_root sh -c 'dialnote 599; test $? -eq 1'
echo "-- dialnote on a virtual X display"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils >/dev/null
in_root sh -c 'xvfb-run -a sh -c "dialnote & sleep 8; xwininfo -root -tree | grep -E \"348x429|332x130\"; kill \$!"'
echo "passed: the package installs and runs on a clean Debian 12"
