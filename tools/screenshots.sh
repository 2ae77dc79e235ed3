#!/usr/bin/env bash
# Takes screenshots of Starquill's windows from the real program in a virtual
# X display, as a user would see them: entry, result, About and exit screen.
#   bash tools/screenshots.sh [scale] [output folder]
# e.g. `bash tools/screenshots.sh 2 docs/scale2`. Needs no display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scale="${1:-1}"
out="${2:-docs}"
bash tools/setup.sh xvfb xauth openbox xdotool imagemagick
[ -x build/StarquillFree ] || bash tools/build.sh
mkdir -p "$out"

# A throwaway home: a first start shows no reminder, and the user's own
# settings and lock are left alone.
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/run" XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

display=:$((90 + RANDOM % 100))
width=$(awk "BEGIN { print int(1024 * $scale) }")
height=$(awk "BEGIN { print int(768 * $scale) }")
Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

export QT_SCALE_FACTOR="$scale"
./build/StarquillFree >/dev/null 2>&1 &

# Waits for a window of that name and saves it, frame included.
shoot() {
    local name="$1" file="$2"
    local id
    id=$(xdotool search --sync --onlyvisible --name "$name" | tail -n 1)
    sleep 0.7
    import -frame -window "$id" "$out/$file"
    echo "$out/$file"
}

shoot "Starquill v1.15" entry-window.png
xdotool type --delay 40 "mary"
xdotool key alt+p
sleep 0.5
shoot "Starquill v1.15" result-window.png
xdotool key alt+h
sleep 0.3
xdotool key a
sleep 0.5
shoot "Starquill v1.15" about-box.png
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.5
shoot "Starquill v1.15" exit-screen.png
