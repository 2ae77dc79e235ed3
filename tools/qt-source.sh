#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Unpacks Debian's own qt6-base source, at the version of the installed host
# Qt, into the folder named (which must not exist yet). The source package is
# fetched once per version into a per-user cache that every cross build of
# Qt (tools/windows/qt.sh, tools/web/qt.sh) shares. Messages go to stderr.
#   bash tools/qt-source.sh <folder>
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <folder>" >&2; exit 2; }
dest="$1"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/source/qt6-base-$version"

if [ ! -f "$cache/.complete" ]; then
    # apt-get source needs a deb-src entry; add one mirroring the Debian entries.
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $version$"; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                $sudo tee /etc/apt/sources.list.d/starquill-deb-src.sources >/dev/null
        else
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                $sudo tee /etc/apt/sources.list.d/starquill-deb-src.list >/dev/null
        fi
        $sudo apt-get update -qq >&2
    fi
    # Fetched beside the cache and moved in whole, so a broken fetch never
    # passes for a complete one.
    rm -rf "$cache" "$cache.part"
    mkdir -p "$cache.part"
    (cd "$cache.part" && apt-get source -qq --download-only "qt6-base=$version") >&2
    touch "$cache.part/.complete"
    mv "$cache.part" "$cache"
fi
dpkg-source -x "$cache"/qt6-base_*.dsc "$dest" >&2
