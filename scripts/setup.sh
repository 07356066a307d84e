#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build, run and test Zelmora.
# Idempotent: when everything is present it only asks dpkg and returns.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v -e '^#' -e '^[[:space:]]*$' "$here/packages.txt")

missing=""
for p in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# The number tests run under a Spanish locale to prove that no number depends on it.
if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    echo "setup: generating the es_ES.UTF-8 locale"
    as_root sed -i 's/^# *\(es_ES\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^es_ES\.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
