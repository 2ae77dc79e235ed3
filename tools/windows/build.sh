#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Starquill for Windows on Debian 12: installs the cross compiler, Wine
# and NSIS, cross-builds Qt once (tools/windows/qt.sh, cached per user), then
# the program into build-windows/, and leaves there
#   Starquill-<version>-setup.exe     the per-user installer
#   Starquill-<version>-portable.zip  the same files, to unpack and run
# Arguments go to CMake, e.g. -DSTARQUILL_BUILD_TESTS=ON.
set -euo pipefail
cd "$(dirname "$0")/../.."
# Qt's cross build, its patches and Wine are tried on Debian 12 only.
release=$(. /etc/os-release && echo "${ID:-}:${VERSION_ID:-}")
[ "$release" = debian:12 ] || {
    echo "tools/windows/build.sh cross-builds on Debian 12 only; this is $(. /etc/os-release && echo "${PRETTY_NAME:-$release}")" >&2
    exit 1
}
bash tools/setup.sh build windows
qt="$(bash tools/windows/qt.sh)"
build=build-windows

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release \
    -DSTARQUILL_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"

# The version as project() gives it, read back from the build.
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="Starquill-$version"
stage="$build/$name"
rm -rf "$stage"
cmake --install "$build" --prefix "$PWD/$stage" --strip >/dev/null
# --strip strips the program; the DLLs come as built, some with debug sections.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.dll "$stage"/platforms/*.dll

# The uninstaller removes exactly what was installed, never the folder's
# other contents: one Delete per file, then the folders, deepest first.
(
    cd "$stage"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$build/uninstall-files.nsh"
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DFILES="$PWD/$build/uninstall-files.nsh" \
    -DOUTFILE="$PWD/$build/$name-setup.exe" resources/windows/installer.nsi
rm -f "$build/$name-portable.zip"
(cd "$build" && cmake -E tar cf "$name-portable.zip" --format=zip "$name")
ls -l "$build/$name-setup.exe" "$build/$name-portable.zip"
