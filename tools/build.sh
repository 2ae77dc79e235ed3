#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds Starquill into ./build (tests included); arguments go
# to CMake, e.g. -DSTARQUILL_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)"
