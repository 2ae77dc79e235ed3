#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build keeps the layers apart. In a scratch copy of the sources, each
# include below is planted at the top of a file of a lower layer; that file
# must then fail to compile for want of the header, where unplanted it compiles.
#   check_layers.sh <source folder>
set -euo pipefail
source="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for entry in "$source"/*; do
    case "$(basename "$entry")" in build*) continue ;; esac
    cp -r "$entry" "$scratch/"
done
cmake -S "$scratch" -B "$scratch/build" -DSTARQUILL_BUILD_TESTS=OFF >"$scratch/log" 2>&1 ||
    { cat "$scratch/log"; exit 1; }

# compiles <layer> <file>: builds that one object file.
compiles() { make -C "$scratch/build/src/$1" "$2.o" >"$scratch/log" 2>&1; }

failed=0
# layer, file, planted include: a window in the kit, a widget and a Gui class
# in the core, the program in a window.
while read -r layer file include; do
    compiles "$layer" "$file" || { echo "$layer/$file does not compile unplanted:"; cat "$scratch/log"; exit 1; }
    sed -i "1i #include $include" "$scratch/src/$layer/$file"
    if compiles "$layer" "$file"; then
        echo "FAIL: $layer/$file compiles with #include $include"
        failed=1
    elif ! grep -q "No such file" "$scratch/log"; then
        echo "FAIL: $layer/$file fails with #include $include, but not for want of it:"
        cat "$scratch/log"
        failed=1
    else
        echo "ok: $layer/$file cannot include $include"
    fi
done <<'PLANTS'
widgets Look.cpp "windows/ResultWindow.h"
core Psyche.cpp <QWidget>
core Referral.cpp <QPainter>
core Zodiac.cpp "widgets/Look.h"
windows EntryWindow.cpp "program/Program.h"
PLANTS
# A path that climbs out of its own folder would go round the layers.
if grep -rn '#include "\.\./' "$source/src"; then
    echo "FAIL: an include climbs out of its layer's folder"
    failed=1
fi
exit $failed
