#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How CTest runs a cross-built test program under Wine (the build's
# CMAKE_CROSSCOMPILING_EMULATOR): wine-test.sh <program.exe> <arguments>...
# Wine hands no QT_* variable on to Windows programs, so Windows' own shell
# sets them, all but QT_QPA_PLATFORM: the tests run on Wine's own windows on
# the X display, whose fonts have Verdana's measures; offscreen, Qt on Windows
# sees only C:\windows\Fonts, where no such font is, and texts do not fit. A
# QtTest program under Wine writes nothing to a Unix pipe, so its log goes
# through a file, shown afterwards.
set -uo pipefail
log="$(mktemp --suffix=.txt)"
trap 'rm -f "$log"' EXIT
wine64=/usr/lib/wine/wine64
windows() { "$wine64" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
command=""
while IFS='=' read -r name value; do
    command+="set $name=$value&& "
done < <(env | grep '^QT_' | grep -v '^QT_QPA_PLATFORM=')
command+="$(windows "$1")"
shift
"$wine64" cmd /c "$command $* -o $(windows "$log"),txt"
status=$?
cat "$log"
exit $status
