#!/bin/sh
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Installs a picturebook .deb with apt into a clean Debian 12 system and runs
# check-installed.sh there, as an ordinary user: the package's dependencies
# alone must make it start and play its music.
# Usage (as root): packaging/check-in-chroot.sh [package.deb]
#   default: build/ brought up to date and packed afresh.
# The bare system is made once with debootstrap and kept as a tarball in
# PICTUREBOOK_CHROOT_CACHE (default /var/tmp/picturebook-chroot); every run
# unpacks a fresh copy of it. Needs debootstrap.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${PICTUREBOOK_CHROOT_CACHE:-/var/tmp/picturebook-chroot}
mirror=${PICTUREBOOK_MIRROR:-http://deb.debian.org/debian}
deb=${1:-}
if [ -z "$deb" ]; then
    echo "check-in-chroot: building and packing build/"
    cmake --build "$root/build" -j2 >/dev/null
    rm -rf "$root/build/chroot-deb"
    cpack -G DEB --config "$root/build/CPackConfig.cmake" -B "$root/build/chroot-deb" >/dev/null
    deb=$(ls "$root"/build/chroot-deb/picturebook_*.deb)
fi
deb=$(realpath "$deb")

mkdir -p "$cache"
if [ ! -s "$cache/bookworm.tar" ]; then
    echo "check-in-chroot: making a bare Debian 12 system (once)"
    rm -rf "$cache/bare"
    debootstrap --variant=minbase bookworm "$cache/bare" "$mirror" >"$cache/debootstrap.log" 2>&1 \
        || { tail -n 20 "$cache/debootstrap.log" >&2; exit 1; }
    cat >"$cache/bare/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
EOF
    tar -C "$cache/bare" -cf "$cache/bookworm.tar.part" .
    mv "$cache/bookworm.tar.part" "$cache/bookworm.tar"
    rm -rf "$cache/bare"
fi

system=$(mktemp -d /var/tmp/picturebook-chroot.XXXXXX)
chmod 755 "$system"
mounted=""
finish() {
    for dir in $mounted; do umount -l "$dir" 2>/dev/null || true; done
    rm -rf --one-file-system "$system"
}
trap finish EXIT INT TERM
tar -C "$system" -xf "$cache/bookworm.tar"
for dir in proc sys dev; do
    mount --bind "/$dir" "$system/$dir"
    mounted="$system/$dir $mounted"
done
cp /etc/resolv.conf "$system/etc/resolv.conf"
cp "$deb" "$system/tmp/"
cp "$root/packaging/check-installed.sh" "$root/scripts/private-session.sh" \
    "$system/usr/local/bin/"

in_system() { chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
echo "check-in-chroot: installing $(basename "$deb") with apt"
in_system apt-get update -qq
in_system apt-get install -y -qq "/tmp/$(basename "$deb")" >"$system/tmp/install.log" 2>&1 \
    || { tail -n 30 "$system/tmp/install.log" >&2; exit 1; }
missing=$(in_system ldd /usr/bin/picturebook | grep 'not found' || true)
[ -z "$missing" ] || { echo "check-in-chroot: missing libraries: $missing" >&2; exit 1; }

# Only now the check's own tools, so that they cannot stand in for a missing dependency.
in_system apt-get install -y -qq --no-install-recommends xvfb xauth xdotool pulseaudio \
    pulseaudio-utils sox >"$system/tmp/tools.log" 2>&1 || { tail -n 30 "$system/tmp/tools.log" >&2; exit 1; }
in_system useradd --create-home reader
chroot --userspec="$(in_system id -u reader):$(in_system id -g reader)" "$system" env -i PATH=/usr/bin:/bin HOME=/home/reader \
    LANG=C.UTF-8 sh /usr/local/bin/check-installed.sh
