# SPDX-License-Identifier: MIT
# Sourced after tools/scratch.sh's scratch_home: a throwaway Wine prefix in
# $scratch, quiet, without the Mono and Gecko installers. `wine` runs a
# Windows program and waits for it ("$wine64" & starts one whose $! is the
# program's own process); `unix_path` turns a Windows path into a Unix one.
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64=/usr/lib/wine/wine64
wine() { "$wine64" "$@"; }
# Wine's server writes into the prefix until it ends: end it, and wait for
# that, before the scratch folder is removed.
wineserver=/usr/lib/wine/wineserver64
# Under set -e a failing command here would fail the whole script: none may.
wine_cleanup() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    kill $(jobs -p) 2>/dev/null || true
    rm -rf "$scratch" 2>/dev/null || { sleep 1 && rm -rf "$scratch"; } || true
}
trap wine_cleanup EXIT
unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
wine wineboot -i >/dev/null 2>&1
