#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Qt for Windows from Debian's own qt6-base source
# (tools/qt-source.sh, fetched once for every cross build), the version
# of the installed host Qt (whose moc, rcc and uic the cross build uses), once
# per version and set of options, into a per-user cache; prints its prefix.
# Messages go to stderr; the build log is kept next to the cache.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../setup.sh" build windows >&2

version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# No tablet support: Debian's tarball drops the wintab headers it needs.
# No OpenGL at all (FEATURE_opengl=OFF alone keeps the dynamic one), no
# Direct2D (a second platform plugin). Testlib and the offscreen plugin with
# the bundled FreeType are for the tests under Wine.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_testlib=ON -DFEATURE_jpeg=OFF
    -DFEATURE_freetype=ON -DINPUT_freetype=qt -DINPUT_harfbuzz=qt
    -DINPUT_pcre=qt -DINPUT_png=qt -DFEATURE_system_zlib=OFF
)
key="$( (printf '%s\n' "${options[@]}"; cat "$here/mingw.cmake") | sha256sum | cut -c1-12)"
prefix="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/qt-$version-$key"
prepare() {
    # Qt 6.4 builds DirectWrite into Qt Gui only with Direct2D, but the
    # platform plugin asks for its font database on DirectWrite 3 alone.
    sed -i 's/^#if QT_CONFIG(directwrite3)$/& \&\& QT_CONFIG(direct2d)/' \
        "$1/src/plugins/platforms/windows/qwindowsintegration.cpp"
}
source "$here/../qt-cache.sh"
qt_cached_build Windows "$prefix" prepare -DCMAKE_TOOLCHAIN_FILE="$here/mingw.cmake" "${options[@]}"
