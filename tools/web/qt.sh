#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Qt for WebAssembly with Debian's emscripten, from Debian's own
# qt6-base source at the version of the installed host Qt (whose moc, rcc and
# uic the cross build uses), once per version and set of options, into the
# per-user cache beside the Windows build; prints its prefix. Messages go to
# stderr; the build log is kept next to the cache.
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
)
# The platform plugin carries three fonts; the program never shows the
# monospaced one. (Qt loads them in order and stops
# at the first missing, so it goes from the list as well as the resources.)
patch_source() {
    sed -i '/DejaVuSansMono\.ttf/d' "$1/src/plugins/platforms/wasm/CMakeLists.txt" \
        "$1/src/plugins/platforms/wasm/qwasmfontdatabase.cpp"
}
key="$( (printf '%s\n' "${options[@]}"; declare -f patch_source
    cat "$emsdk/upstream/emscripten/emscripten-version.txt") | sha256sum | cut -c1-12)"
prefix="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/qt-wasm-$version-$key"
prepare() {
    source "$here/env.sh" && export EMSDK="$emsdk" && patch_source "$1"
}
source "$here/../qt-cache.sh"
qt_cached_build WebAssembly "$prefix" prepare -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${options[@]}"
