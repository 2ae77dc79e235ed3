#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Starquill for the browser on Debian 12: installs Debian's emscripten,
# cross-builds Qt for WebAssembly once (tools/web/qt.sh, cached per user),
# then the program into build-web/, and leaves the site in build-web/site:
#   index.html, StarquillFree.js, StarquillFree.wasm, qtloader.js, favicon.png,
#   the manifest and its icons, the service worker, and .gz and .br copies
# Serve it with tools/web/serve.sh. Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/../.."
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
# tools are the host's, found outside the cross build's root.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH -DQt6LinguistTools_DIR="$host_cmake/Qt6LinguistTools" \
    -DCMAKE_BUILD_TYPE=Release -DSTARQUILL_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j"${STARQUILL_JOBS:-$(nproc)}"
rm -rf "$build/site"
cmake --install "$build" --prefix "$PWD/$build/site" >/dev/null
wasm="$build/site/StarquillFree.wasm"
echo "The site is in $build/site: $(du -sh "$build/site" | cut -f1)," \
    "the .wasm $(stat -c %s "$wasm") bytes, $(gzip -9c "$wasm" | wc -c) gzipped"
