#!/bin/sh
# Runs the README's `make test` on a fresh minimal Debian system of another release: debootstrap
# makes it in a scratch folder, a clean clone of this repository's HEAD goes into it, and `make
# test` runs there under chroot with nothing installed beforehand but the minimal system and make.
# Everything runs in a mount namespace of its own, so that the system's mounts vanish with it
# whatever happens; the folder is removed at the end, even when a step fails.
# Usage: test-on.sh DIST   (trixie, bookworm, ...; as root)
# The Debian mirror is the one this machine's apt uses. What debootstrap and git print goes to
# $ZELMORA_LOG (build/test-on-DIST.log); the end of the log of a failed step is shown.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 DIST   (a Debian release's code name, such as trixie or bookworm)" >&2
    exit 2
fi
dist=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
log=${ZELMORA_LOG:-$root/build/test-on-$dist.log}
mkdir -p "$(dirname "$log")"
echo "test-on.sh $dist, $(date '+%Y-%m-%d %H:%M:%S')" >"$log"
step() { "$here/logged.sh" "$log" "$@"; }

if [ "$(id -u)" -ne 0 ]; then
    echo "test-on: $dist: needs root (debootstrap, mount and chroot)" >&2
    exit 1
fi

# The mirror this machine's apt takes its Debian packages from (deb822 sources or a one-line
# sources.list), and the security archive beside it, if any.
apt_uris() {
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && awk 'BEGIN { RS = ""; FS = "\n" }
            /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ {
                uri = ""; suites = ""
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^URIs:/) { uri = $i; sub(/^URIs:[ \t]*/, "", uri); sub(/[ \t].*/, "", uri) }
                    if ($i ~ /^Suites:/) { suites = $i }
                }
                if (uri != "") print uri, suites
            }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && awk '$1 == "deb" { u = $2; if (u ~ /^\[/) u = $3; print u, $0 }' "$f"
    done
}
mirror=$(apt_uris | grep -v -e '-security' | awk '$1 ~ /debian\/?$/ { print $1; exit }')
security=$(apt_uris | grep -e '-security' | awk '{ print $1; exit }')
if [ -z "$mirror" ]; then
    echo "test-on: $dist: found no Debian mirror in this machine's apt sources" >&2
    exit 1
fi

"$here/setup.sh"
if ! command -v debootstrap >/dev/null; then
    echo "test-on: $dist: debootstrap is missing (it is in scripts/packages.txt)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/var/tmp}/zelmora-$dist.XXXXXX")
system=$work/system
# Whatever still runs inside the system (a display server, a bus) is ended before the folder goes;
# the mount namespace takes the mounts with it.
cleanup() {
    status=$?
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$system" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    if grep -q " $work" /proc/mounts; then
        echo "test-on: $dist: $work is still mounted; left in place" >&2
    else
        rm -rf --one-file-system "$work"
        echo "test-on: $dist: removed the system in $work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

echo "test-on: $dist: a minimal system with make in $system (from $mirror)"
step "test-on: $dist: debootstrap" debootstrap --variant=minbase --include=make \
    "$dist" "$system" "$mirror"
{
    echo "deb $mirror $dist main"
    echo "deb $mirror $dist-updates main"
    [ -n "$security" ] && echo "deb $security $dist-security main"
} >"$system/etc/apt/sources.list"
cp /etc/resolv.conf "$system/etc/resolv.conf" 2>/dev/null || true

echo "test-on: $dist: a clean clone of $(git -C "$root" rev-parse --short HEAD) in /zelmora"
step "test-on: $dist: git clone" git clone --quiet --no-local "$root" "$system/zelmora"

# Runs a command in /zelmora of the new system, with its own /proc, /sys, /dev, /run and /tmp.
in_system() {
    unshare --mount --propagation private sh -c '
        system=$1
        shift
        mount -t proc proc "$system/proc"
        mount -t sysfs sysfs "$system/sys"
        mount --rbind /dev "$system/dev"
        mount -t tmpfs tmpfs "$system/run"
        mount -t tmpfs tmpfs "$system/tmp"
        exec chroot "$system" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            TERM="${TERM:-dumb}" sh -c "cd /zelmora && $*"
    ' sh "$system" "$@" </dev/null
}
# Keeps what a failed run wrote, since the system is about to go.
keep_logs() {
    kept=$root/build/test-on-$dist
    rm -rf "$kept" && mkdir -p "$kept"
    cp "$system/zelmora/build/setup.log" "$kept/" 2>/dev/null || true
    cp "$system/zelmora/build/Testing/Temporary/LastTest.log" "$kept/" 2>/dev/null || true
    echo "test-on: $dist: $1 failed; its logs are in $kept" >&2
}

echo "test-on: $dist: make test in the new system"
in_system make test || { status=$?; keep_logs "make test"; exit "$status"; }
echo "test-on: $dist: the package installs with apt, starts on a virtual display and removes"
start=$(($(wc -l <"$log") + 1))
in_system 'make package && sh tests/install/try_package.sh build/zelmora_*.deb' >>"$log" 2>&1 ||
    {
        status=$?
        tail -n "+$start" "$log" | tail -n 20 >&2
        keep_logs "the package (exit status $status; the whole output is in $log)"
        exit "$status"
    }
echo "test-on: $dist: make test passed and the package works"
