#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Qt for WebAssembly with Debian 13's emscripten, from Debian's
# own qt6-base source at the version of the installed host Qt (whose moc, rcc
# and uic the cross build uses), once per version, set of options and set of
# patches (tools/web/patches, applied in name order), into the per-user cache;
# prints its prefix. Messages go to stderr; the build log is kept next to the
# cache. tools/web/build.sh runs it on Debian 13, in a root of that release on
# other systems.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../setup.sh" build web >&2

version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
emsdk="$(bash "$here/emsdk.sh")"
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
# Static and without threads (a page needs no special headers then). Only what
# the program uses: Core, Gui, Widgets and the wasm platform plugin, which
# draws with WebGL, so OpenGL stays on. Sized for a download: optimised for
# size, no image formats but PNG (the icon), no Markdown or ODF text, no style
# sheets (the program sets none; QApplication links their engine otherwise).
# WebAssembly's own exceptions rather than Emscripten's, which route every
# call in QtCore that may unwind through JavaScript: main() up to the first
# window took 0.26 s instead of 0.30 s in headless Chromium, and the .wasm is
# 0.2 MB smaller. (Then exec() unwinds main()'s
# stack, running its destructors: src/main.cpp does not call it on a page.)
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_thread=OFF
    -DFEATURE_optimize_size=ON -DFEATURE_sse2=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_testlib=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_style_stylesheet=OFF
    -DFEATURE_wasm_exceptions=ON
)
# Each change to Qt's source is a patch headed by why it is made.
patches=("$here"/patches/*.patch)
apply_patches() {
    local patch
    for patch in "${patches[@]}"; do
        patch -p1 --batch --forward --no-backup-if-mismatch -d "$1" <"$patch" || return 1
    done
}
key="$( (printf '%s\n' "${options[@]}"; cat "${patches[@]}"
    cat "$emsdk/upstream/emscripten/emscripten-version.txt") | sha256sum | cut -c1-12)"
prefix="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/qt-wasm-$version-$key"
prepare() {
    source "$here/env.sh" && export EMSDK="$emsdk" && apply_patches "$1"
}
source "$here/../qt-cache.sh"
qt_cached_build WebAssembly "$prefix" prepare -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${options[@]}"
