#!/bin/sh
# Installs the Debian package on this system with apt, as a user would, starts the installed
# program on a virtual display until its menu is shown, and removes the package again: every file
# it installed must be gone. For a disposable system (scripts/test-on.sh runs it); as root.
# Usage: try_package.sh PACKAGE.deb
set -eu
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
fail() {
    echo "try_package: $*" >&2
    exit 1
}
dpkg-query -W zelmora >/dev/null 2>&1 && fail "zelmora is already installed here"

DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb"
files=$(dpkg -L zelmora)
[ -x /usr/bin/zelmora ] || fail "the package installed no /usr/bin/zelmora"
[ -f /usr/share/zelmora/manual/zelmora-help.html ] || fail "the package installed no manual"

# The program ends by itself once its menu is shown (ZELMORA_STARTUP_TRACE=exit).
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
status=0
ZELMORA_STARTUP_TRACE=exit timeout 60 xvfb-run -a -s '-screen 0 1280x1024x24' /usr/bin/zelmora \
    2>"$trace" || status=$?
grep -q '^zelmora-trace menu-shown ' "$trace" ||
    { cat "$trace" >&2; fail "the installed program did not show its menu (exit status $status)"; }
[ "$status" -eq 0 ] || fail "the installed program ended with exit status $status"

DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y zelmora
dpkg-query -W -f='${Status}' zelmora 2>/dev/null | grep -q 'installed' &&
    fail "zelmora is still installed"
left=$(echo "$files" | while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done)
[ -z "$left" ] || fail "removing the package left these files: $left"
echo "try_package: $(basename "$deb") installed, showed its menu and was removed" \
    "($(echo "$files" | wc -l) paths)"
