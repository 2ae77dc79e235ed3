#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian/Ubuntu packages named that are not there yet, as root or
# with sudo. Each argument is a list in tools/packages.d/ (its name without
# .txt; packages one or more a line, "#" starts a comment) or a package name:
#   bash tools/setup.sh build            what building and running needs
#   bash tools/setup.sh build test       ... and every test
#   bash tools/setup.sh build clang      a list and a package more
# apt's own output goes to a log, shown only when it fails.
set -euo pipefail
here="$(dirname "$0")"
[ $# -gt 0 ] || { echo "usage: $0 <list or package>..." >&2; exit 2; }

packages=()
for name in "$@"; do
    list="$here/packages.d/$name.txt"
    if [ -f "$list" ]; then
        mapfile -t -O "${#packages[@]}" packages < <(sed 's/#.*//' "$list" | tr -s ' \t' '\n' | sed '/^$/d')
    else
        packages+=("$name")
    fi
done
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        [[ " ${missing[*]} " == *" $package "* ]] || missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Not root and no sudo: as root, run apt-get update && apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing with apt-get (a few minutes on a new machine): ${missing[*]}"
log=$(mktemp)
trap 'rm -f "$log" "$log.update"' EXIT
# Two installs at once (two builds, a build and CI in one root) take turns.
# The install waits for another's lock by itself; the update gives up at
# once, and is tried again for up to ten minutes.
update() {
    for _ in $(seq 60); do
        if "${sudo[@]}" apt-get update -qq >"$log.update" 2>&1; then
            cat "$log.update"
            return 0
        fi
        cat "$log.update"
        grep -q "Could not get lock" "$log.update" || return 1
        sleep 10
    done
    return 1
}
if ! { update &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 \
        "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "Installing failed (apt-get's last lines above)" >&2
    exit 1
fi
