#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes screenshots of Starquill's windows from the real program in a virtual
# X display, as a user would see them: entry, result, About and exit screen.
#   bash tools/screenshots.sh                 both sets the README shows:
#                                             100 % into docs/, 200 % into docs/scale2/
#   bash tools/screenshots.sh [scale] [output folder] [language]
# e.g. `bash tools/screenshots.sh 1.5 /tmp/shots` or
# `bash tools/screenshots.sh 2 /tmp/shots/de de` (a translation's suffix:
# de, es, fr, hi, pt_BR; en by default). Needs no display of its own.
# STARQUILL_BUILD names another build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
    bash "$0" 1 docs
    exec bash "$0" 2 docs/scale2
fi
scale="$1"
out="${2:-docs}"
language="${3:-en}"
# The windows' caption carries the version that project() in CMakeLists.txt sets.
version=$(sed -n 's/^project(Starquill VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "screenshots.sh: no version in CMakeLists.txt" >&2; exit 1; }
caption="Starquill v$version"
bash tools/setup.sh build xvfb xauth openbox xdotool imagemagick
build="${STARQUILL_BUILD:-build}"
# Always brought up to date: a stale program would take stale pictures.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target StarquillFree >/dev/null
mkdir -p "$out"

# A throwaway home: a first start shows no reminder, and the user's own
# settings and lock are left alone.
source tools/scratch.sh
scratch_home

width=$(awk "BEGIN { print int(1024 * $scale) }")
height=$(awk "BEGIN { print int(768 * $scale) }")
start_xvfb "${width}x${height}"
export DISPLAY="$xvfb_display"
openbox >/dev/null 2>&1 &
sleep 1

# The keys that reach the find button, the Help menu and its About item, in
# the language shown: the letter after "&" in each translation.
key() {
    if [ "$language" = en ]; then
        printf '%s' "$2"
        return
    fi
    python3 - "translations/starquill_$language.ts" "$1" <<'PY'
import re, sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    if message.findtext("source") == sys.argv[2]:
        print(re.search(r"&(\w)", message.findtext("translation")).group(1).lower(), end="")
        break
PY
}
find_key=$(key "Find My Zodiac &Psyche Sign" p)
help_key=$(key "&Help" h)
about_key=$(key "&About Software" a)

export QT_SCALE_FACTOR="$scale"
# The language the desktop asks for, as Qt reads it from the environment.
case "$language" in
    en) LANG=en_US.UTF-8 ;;
    hi) LANG=hi_IN.UTF-8 ;;
    *_*) LANG="$language.UTF-8" ;;
    *) LANG="${language}_${language^^}.UTF-8" ;;
esac
export LANG LANGUAGE= LC_ALL= LC_MESSAGES=
"./$build/StarquillFree" >/dev/null 2>&1 &

# Waits for a window of that name and saves it, frame included.
shoot() {
    local name="$1" file="$2"
    local id
    id=$(xdotool search --sync --onlyvisible --name "$name" | tail -n 1)
    sleep 0.7
    import -frame -window "$id" "$out/$file"
    echo "$out/$file"
}

shoot "$caption" entry-window.png
xdotool type --delay 40 "mary"
xdotool key "alt+$find_key"
sleep 0.5
shoot "$caption" result-window.png
xdotool key "alt+$help_key"
sleep 0.3
xdotool key "$about_key"
sleep 0.5
shoot "$caption" about-box.png
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.5
shoot "$caption" exit-screen.png

# A key that went astray would leave two pictures of the same window.
if [ "$(md5sum "$out"/{entry-window,result-window,about-box,exit-screen}.png |
        cut -d' ' -f1 | sort -u | wc -l)" -ne 4 ]; then
    echo "screenshots.sh: two pictures show the same window" >&2
    exit 1
fi
