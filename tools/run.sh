#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building needs, builds the program alone (not the tests) and
# starts it. Configures build/ only the first time; later runs rebuild what
# changed, and CMake reconfigures by itself when a CMakeLists.txt did.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target StarquillFree
exec ./build/StarquillFree
