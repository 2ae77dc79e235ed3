#!/usr/bin/env bash
# Renders starquill.svg into the PNGs that are committed beside it: one per
# hicolor size for the installed icon, and the 64-pixel one that is compiled
# into the program, so the window icon and the desktop icon are one design.
# Run it after changing the SVG (needs rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
id=com.lanternsoftwares.Starquill
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" starquill.svg -o "hicolor/${size}x${size}/apps/$id.png"
done
cp "hicolor/64x64/apps/$id.png" starquill.png
