#!/bin/sh
# Builds the Debian package into a scratch folder and checks what it installs and what it
# declares that it needs.
# Usage: check_package.sh BUILD_DIR APP_ID
set -eu
build=$1 id=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
set -- "$out"/zelmora_*.deb
[ -f "$1" ] || { echo "check_package: no zelmora_*.deb was built" >&2; exit 1; }
deb=$1

failed=0
fail() {
    echo "check_package: $*" >&2
    failed=1
}

[ "$(dpkg-deb -f "$deb" Package)" = zelmora ] || fail "the package is not called zelmora"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "the architecture is not this machine's"

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for path in ./usr/bin/zelmora \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    ./usr/share/doc/zelmora/copyright \
    ./usr/share/doc/zelmora/changelog.gz \
    ./usr/share/man/man1/zelmora.1.gz \
    ./usr/share/zelmora/manual/zelmora-help.html \
    ./usr/share/zelmora/manual/imagenes/frmMenuPrincipal.png; do
    echo "$contents" | grep -qx "$path" || fail "the package lacks $path"
done
echo "$contents" | grep -q zelmora-render && fail "the package holds the developers' renderer"

# The Qt libraries the binary links, the C++ run time, and what the program only looks for at
# run time: the Calibri-compatible font and Qt's Spanish texts. Debian 13 renamed the Qt
# libraries after the 64-bit time transition (libqt6core6t64), so either spelling is the library.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 \
    fonts-crosextra-carlito qt6-translations-l10n; do
    case $package in
        libqt6*) spelled="$package\|${package}t64" ;;
        *) spelled=$package ;;
    esac
    echo "$depends" | grep -qx "$spelled" || fail "Depends does not name $package"
done
[ "$failed" -eq 0 ] && echo "check_package: $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
exit "$failed"
