#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and the tests need, builds Starquill and runs every
# test, headless. Arguments go to CMake: CI passes -DSTARQUILL_WERROR=ON.
# The build folder is ./build, or STARQUILL_BUILD_DIR (see tools/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build test
bash tools/build.sh "$@"
cd "${STARQUILL_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
