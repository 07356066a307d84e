#!/bin/sh
# Builds the Debian package into a scratch folder and has lintian check it as Debian checks its
# own packages, with its pedantic and informational tags too: any tag that is not overridden in
# the package (data/lintian-overrides.in) fails.
# Usage: lintian_package.sh BUILD_DIR
set -eu
build=$1

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
set -- "$out"/zelmora_*.deb
[ -f "$1" ] || { echo "lintian_package: no zelmora_*.deb was built" >&2; exit 1; }
status=0
report=$("${LINTIAN:-lintian}" --pedantic --display-info \
    --fail-on error,warning,info,pedantic "$1" 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
    echo "lintian_package: lintian (exit status $status) on $(basename "$1"):" >&2
    echo "$report" >&2
    exit 1
fi
echo "lintian_package: $(basename "$1"): no tag but those the package overrides"
