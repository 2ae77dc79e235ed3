#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Starquill for the browser with Debian 13's Qt 6.8 and emscripten:
# installs them, cross-builds Qt for WebAssembly once (tools/web/qt.sh, cached
# per user), then the program into build-web/, and leaves the site in
# build-web/site:
#   index.html, StarquillFree.js, StarquillFree.wasm, qtloader.js, favicon.png,
#   the manifest and its icons, the service worker, and .gz and .br copies
# On any other system it runs itself in a Debian 13 root (tools/debian13.sh,
# as root), whose own per-user cache keeps that Qt. Serve the site with
# tools/web/serve.sh. Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "$(. /etc/os-release && echo "${ID:-}:${VERSION_ID:-}")" != "debian:13" ]; then
    exec bash tools/debian13.sh bash tools/web/build.sh "$@"
fi
bash tools/setup.sh build web
qt="$(bash tools/web/qt.sh)"
source tools/web/env.sh
EMSDK="$(bash tools/web/emsdk.sh)"
export EMSDK
build=build-web
host_cmake="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
# A build made with another Qt (other options, another version) keeps that
# Qt's packages in its cache: start afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^Qt6_DIR:PATH=$qt/" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi

# Qt's wasm toolchain file loads Debian's Emscripten one; the translation
# tools are the host's, found outside the cross build's root. Debian's Qt
# leaves its plugins out of what links it unless asked, and the page's
# platform plugin is the program's one way onto the page.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH -DQt6LinguistTools_DIR="$host_cmake/Qt6LinguistTools" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DCMAKE_BUILD_TYPE=Release -DSTARQUILL_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j"${STARQUILL_JOBS:-$(nproc)}"
rm -rf "$build/site"
cmake --install "$build" --prefix "$PWD/$build/site" >/dev/null
wasm="$build/site/StarquillFree.wasm"
echo "The site is in $build/site: $(du -sh "$build/site" | cut -f1)," \
    "the .wasm $(stat -c %s "$wasm") bytes, $(gzip -9c "$wasm" | wc -c) gzipped"
