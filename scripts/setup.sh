#!/bin/sh
# Installs what a fresh Debian 12 or 13 machine lacks to build, run and test Zelmora, one line for
# the packages and one for the locale. What apt-get and locale-gen print goes to a log, started anew
# here: $ZELMORA_LOG, or build/setup.log. Idempotent: when everything is present it only asks dpkg
# and returns.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
log=${ZELMORA_LOG:-$(dirname "$here")/build/setup.log}
mkdir -p "$(dirname "$log")"
echo "setup.sh, $(date '+%Y-%m-%d %H:%M:%S')" >"$log"
step() { "$here/logged.sh" "$log" "$@"; }

as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo

packages=$(grep -v -e '^#' -e '^[[:space:]]*$' "$here/packages.txt")
missing=""
for p in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done

if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    step "setup: apt-get update" $as_root apt-get update
    step "setup: apt-get install" $as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends $missing
else
    echo "setup: all packages of scripts/packages.txt are installed ($(echo "$packages" | wc -l))"
fi

# The number tests run under a Spanish locale to prove that no number depends on it.
if locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    echo "setup: the es_ES.UTF-8 locale is present"
else
    echo "setup: generating the es_ES.UTF-8 locale"
    step "setup: locale-gen" $as_root sh -c "
        sed -i 's/^# *\(es_ES\.UTF-8 UTF-8\)/\1/' /etc/locale.gen &&
        { grep -q '^es_ES\.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' >>/etc/locale.gen; } &&
        locale-gen"
fi
