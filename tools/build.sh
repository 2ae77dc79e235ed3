#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds Starquill into ./build (tests included); arguments go
# to CMake, e.g. -DSTARQUILL_WERROR=ON. STARQUILL_BUILD_DIR names another
# folder, so that a build for another release (tools/ci.d/30-debian13.sh)
# keeps apart from this machine's.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${STARQUILL_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
