#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build keeps the layers apart: in a scratch copy of the sources, each
# include below, planted in a file of a lower layer, must make that file fail
# to compile for want of the header, where unplanted it compiles.
#   check_layers.sh <source folder>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for entry in "$1"/*; do
    case "$(basename "$entry")" in build*) ;; *) cp -r "$entry" "$scratch/" ;; esac
done
cmake -S "$scratch" -B "$scratch/build" -DSTARQUILL_BUILD_TESTS=OFF >"$scratch/log" 2>&1 || { cat "$scratch/log"; exit 1; }
compiles() { make -C "$scratch/build/src/$1" "$2.o" >"$scratch/log" 2>&1; } # <layer> <file>
failed=0
while read -r layer file include; do
    compiles "$layer" "$file" || { cat "$scratch/log"; exit 1; }
    sed -i "1i #include $include" "$scratch/src/$layer/$file"
    if compiles "$layer" "$file" || ! grep -q "No such file" "$scratch/log"; then
        echo "FAIL: $layer/$file with #include $include:" && cat "$scratch/log"
        failed=1
    fi
done <<'PLANTS'
widgets Look.cpp "windows/ResultWindow.h"
core Psyche.cpp <QWidget>
core Referral.cpp <QPainter>
core Zodiac.cpp "widgets/Look.h"
windows EntryWindow.cpp "program/Program.h"
PLANTS
# A path that climbs out of its own folder would go round the layers.
! grep -rn '#include "\.\./' "$1/src" || failed=1
exit $failed
