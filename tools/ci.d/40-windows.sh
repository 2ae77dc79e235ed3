#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build: cross-builds Qt when its cache is missing (about 45 min
# on 2 cores with the other core busy, once), then the program with its tests, warnings as
# errors, and the installer (tools/windows/build.sh); runs the core and window
# tests under Wine on a virtual X display; then installs the program from the installer
# into a throwaway Wine prefix and drives it (tools/windows/smoke.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh build windows xvfb xdotool
bash tools/windows/build.sh -DSTARQUILL_BUILD_TESTS=ON -DSTARQUILL_WERROR=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-test.sh"
qt="$(bash tools/windows/qt.sh)"

source tools/scratch.sh
scratch_home
start_xvfb 1024x768
export DISPLAY="$xvfb_display"
source tools/windows/wine.sh
# The DLLs the tests load: Qt's, and the compiler's run-time.
dlls=("$qt/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
    "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
WINEPATH="$(for d in "${dlls[@]}"; do wine winepath -w "$d"; done | tr -d '\r' | paste -sd';')"
export WINEPATH
echo "Windows: the core and window tests under Wine"
ctest --test-dir build-windows --output-on-failure -j"$(nproc)"
echo "Windows: the installed program under Wine"
bash tools/windows/smoke.sh
