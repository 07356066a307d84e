#!/bin/sh
# Installs the build into a scratch folder, as `cmake --install` does for a user, and checks that
# the program and its desktop files land where a Linux desktop looks for them, under one name.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION
set -eu
build=$1 id=$2 version=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "${CMAKE:-cmake}" --install "$build" --prefix /usr >/dev/null

fail() {
    echo "check_install: $*" >&2
    exit 1
}

usr=$root/usr
[ -x "$usr/bin/zelmora" ] || fail "no executable bin/zelmora"
desktop=$usr/share/applications/$id.desktop
icon=$usr/share/icons/hicolor/scalable/apps/$id.svg
metainfo=$usr/share/metainfo/$id.metainfo.xml
for file in "$desktop" "$icon" "$metainfo"; do
    [ -f "$file" ] || fail "not installed: ${file#"$root"}"
done

# The launcher starts the installed program and shows the installed icon; the AppStream file
# launches that launcher and names the version being installed as its newest release.
grep -qx 'Exec=zelmora' "$desktop" || fail "the launcher does not run zelmora"
grep -qx "Icon=$id" "$desktop" || fail "the launcher's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream file does not launch $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream file's id is not $id"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "newest release is '$newest', the project is $version"
# The manual, where the installed program looks for it (beside bin/, under share/zelmora/), with
# every picture that it shows.
manual=$usr/share/zelmora/manual/zelmora-help.html
[ -f "$manual" ] || fail "not installed: ${manual#"$root"}"
for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$manual"); do
    [ -f "$(dirname "$manual")/$picture" ] || fail "the installed manual lacks $picture"
done
grep -q '<img src=' "$manual" || fail "the installed manual shows no picture"

echo "check_install: bin/zelmora, the manual and the launcher, icon and AppStream file of $id $version"
