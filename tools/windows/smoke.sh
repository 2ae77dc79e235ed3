#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program under Wine on a virtual X display, driven from outside
# as a user drives it: the installer run silently (/S) into a throwaway Wine
# prefix; a start, a reading, a link handed through the shell to the host's
# opener, a second start refused, the reminder date in the
# registry, a killed program that does not block the next start, the end from
# the exit screen; then the uninstaller. Fails on the first step that goes wrong.
#   bash tools/windows/smoke.sh [setup.exe] [folder for screenshots]
set -euo pipefail
cd "$(dirname "$0")/../.."
setup="$(realpath "${1:-$(ls build-windows/Starquill-*-setup.exe | head -1)}")"
shots="${2:+$(realpath "$2")}"
version="$(basename "$setup" | sed 's/^Starquill-\(.*\)-setup\.exe$/\1/')"
source tools/scratch.sh
scratch_home
# The display first: the Wine session started with the prefix keeps the one it finds.
start_xvfb 1024x768
export DISPLAY="$xvfb_display"
source tools/windows/wine.sh
# Wine's shell hands web addresses to xdg-open: this one only writes them down.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH="$scratch/bin:$PATH"

fail() {
    echo "Smoke: FAILED: $*" >&2
    exit 1
}
step() { echo "Smoke: $*"; }
# The first visible window titled exactly $1 other than the window $2 (the
# one it replaces), waiting up to 60 s for it; then a moment for it to settle.
window() {
    for _ in $(seq 120); do
        local found
        found="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -1)"
        [ -n "$found" ] && sleep 1 && echo "$found" && return 0
        sleep 0.5
    done
    return 1
}
# Keys to the window $1, given the focus first (there is no window manager).
keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 "$@"
    sleep 1
}
shoot() { [ -z "$shots" ] || import -window root png:- | convert - -trim +repage "$shots/$1"; }
registry() { { wine reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'; }

caption="Starquill v$version"
wine "$setup" /S
folder="$(unix_path "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\\Programs\\Starquill")"
program="$folder/StarquillFree.exe"
[ -f "$program" ] || fail "the installer left no $program"
menu="$(unix_path "$(wine cmd /c echo %APPDATA% | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")"
[ -f "$menu/Starquill.lnk" ] || fail "no Start-menu entry Starquill.lnk"
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Starquill'
[ "$(registry "$uninstall" DisplayVersion)" = "$version" ] || fail "no uninstall entry for $version"
step "installed into $folder, with a Start-menu entry and an uninstall entry"

"$wine64" "$program" &
first=$!
entry="$(window "$caption")" || fail "no window $caption"
shoot windows-entry.png
keys "$entry" m a r y alt+p
result="$(window "$caption" "$entry")" || fail "the reading brought up no result window"
xdotool search --onlyvisible --name "^$caption\$" | grep -qx "$entry" && fail "the entry window stayed"
shoot windows-result.png
step "a reading: the entry window gave way to the result window"

keys "$result" alt+h o
for _ in $(seq 60); do [ -s "$scratch/opened" ] && break; sleep 0.5; done
grep -qx 'https://www.lanternsoftwares.com/starquill-free/ssd.php?page=help-web-page' \
    "$scratch/opened" 2>/dev/null || fail "Help > Online Help opened '$(cat "$scratch/opened" 2>/dev/null)'"
step "Help > Online Help: the shell handed $(cat "$scratch/opened") to the opener"

"$wine64" "$program" &
second=$!
refusal="$(window Starquill)" || fail "a second start showed no refusal"
shoot windows-refusal.png
keys "$refusal" Return
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the refused start ended with status $status"
kill -0 "$first" 2>/dev/null || fail "the first program ended with the second"
step "a second start: refused, ended with status 0, the first left running"

stored="$(registry 'HKCU\Software\Starquill\StarquillFree\Settings' LastReminderDate)"
[[ "$stored" == "$(date +%Y-%m-%d)T"* ]] || fail "reminder date in the registry: '$stored'"
step "the reminder date in HKCU\\Software\\Starquill\\StarquillFree\\Settings: $stored"

kill -9 "$first"
wait "$first" 2>/dev/null || true
"$wine64" "$program" &
third=$!
entry="$(window "$caption")" || fail "no start after the first program was killed"
xdotool search --onlyvisible --name '^Starquill$' >/dev/null && fail "refused after a kill"
keys "$entry" Escape
screen="$(window "$caption" "$entry")" || fail "no exit screen"
shoot windows-exit.png
keys "$screen" Return
for _ in $(seq 60); do kill -0 "$third" 2>/dev/null || break; sleep 0.5; done
kill -0 "$third" 2>/dev/null && fail "the exit screen's Return did not end the program"
status=0
wait "$third" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
step "a start after a killed program, then the end from the exit screen, status 0"

wine "$folder/Uninstall.exe" /S
for _ in $(seq 60); do [ -e "$program" ] || break; sleep 0.5; done
[ ! -e "$folder" ] && [ ! -e "$menu/Starquill.lnk" ] || fail "the uninstaller left files behind"
[ -z "$(registry "$uninstall" DisplayVersion)" ] || fail "the uninstall entry stayed"
step "uninstalled: no files, no Start-menu entry, no uninstall entry"
