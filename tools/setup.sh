#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian/Ubuntu packages named that are not there yet, with sudo
# when not root. Each argument is a list in tools/packages.d/ (its name
# without .txt; packages one or more a line, "#" starts a comment) or a
# package name:
#   bash tools/setup.sh build            what building and running needs
#   bash tools/setup.sh build test       ... and every test
#   bash tools/setup.sh build clang      a list and a package more
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
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
