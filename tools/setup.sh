#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages needed to build and test Starquill that
# are not there yet: those listed in tools/packages.d/*.txt (one a line, "#"
# starts a comment) and any given as arguments.
set -euo pipefail
here="$(dirname "$0")"

mapfile -t listed < <(cat "$here"/packages.d/*.txt | sed 's/#.*//' | tr -s ' \t' '\n' | sed '/^$/d')
packages=("${listed[@]}" "$@")
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
