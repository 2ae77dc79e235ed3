#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Qt for WebAssembly finds Emscripten through an EMSDK folder laid out like the
# official SDK's (<EMSDK>/.emscripten naming <EMSDK>/upstream/emscripten).
# Debian's emscripten package is laid out otherwise, so this makes such a
# folder of links to Debian's files, once per Emscripten version, in the
# per-user cache, and prints its path.
set -euo pipefail
root=/usr/share/emscripten
version="$(cat "$root/emscripten-version.txt" | tr -d '"')"
emsdk="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/emsdk-$version"
if [ ! -f "$emsdk/.emscripten" ]; then
    rm -rf "$emsdk"
    mkdir -p "$emsdk/upstream/emscripten"
    for entry in "$root"/* "$root"/.emscripten; do
        ln -s "$entry" "$emsdk/upstream/emscripten/"
    done
    # Debian puts the drivers in /usr/bin, beside the python sources they run.
    for tool in emcc em++ emar emranlib emcmake emconfigure emmake emrun; do
        [ -e "/usr/bin/$tool" ] && ln -sf "/usr/bin/$tool" "$emsdk/upstream/emscripten/$tool"
    done
    # Written last: its presence says the folder is complete.
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten.part"
    mv "$emsdk/.emscripten.part" "$emsdk/.emscripten"
fi
echo "$emsdk"
