#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a built .deb with apt as a user would, checks that the program is
# on the PATH and opens its entry window on a virtual X display, then purges
# the package again, so that the system is left as it was found.
#   install_deb.sh <starquill_<version>_<arch>.deb>
# Run as root, on the release the package was built on (tools/ci.d/30-debian13.sh
# runs it on the host and in the Debian 13 root). It refuses to touch a
# Starquill that was installed before.
set -euo pipefail
deb="$(realpath "$1")"
here="$(cd "$(dirname "$0")/../.." && pwd)"
version=$(dpkg-deb -f "$deb" Version)
if dpkg-query -W -f='${Status}' starquill 2>/dev/null | grep -q "install ok installed"; then
    echo "install_deb.sh: a starquill package is installed already; remove it first (apt remove starquill)" >&2
    exit 1
fi

source "$here/tools/scratch.sh"
scratch_home
log="$scratch/apt.log"
# Whatever happens below, the package goes again; the scratch home after it.
trap 'apt-get purge -y -qq -o DPkg::Lock::Timeout=600 starquill >>"$log" 2>&1 || cat "$log" >&2
    kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT

if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "$deb" >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "FAIL: apt-get install $deb" >&2
    exit 1
fi
dpkg-query -W -f='${Version}' starquill | grep -qx "$version" || { echo "FAIL: starquill $version is not installed" >&2; exit 1; }
[ "$(command -v StarquillFree)" = /usr/bin/StarquillFree ] || { echo "FAIL: StarquillFree is not /usr/bin/StarquillFree on the PATH" >&2; exit 1; }

# As from the applications menu: the desktop entry's command, on an X display.
start_xvfb 1024x768
command=$(sed -n 's/^Exec=//p' /usr/share/applications/com.lanternsoftwares.Starquill.desktop | head -n 1)
DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb $command >"$scratch/program.out" 2>&1 &
program=$!
if ! DISPLAY="$xvfb_display" timeout 30 xdotool search --sync --onlyvisible --name "^Starquill v$version\$" >/dev/null ||
    ! kill -0 "$program" 2>/dev/null; then
    wait "$program" 2>/dev/null && status=0 || status=$?
    echo "FAIL: the installed program showed no entry window 'Starquill v$version' within 30 s" \
        "(exit status $status, or 143 if still running); it printed:" >&2
    cat "$scratch/program.out" >&2
    exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true
echo "starquill $version installed with apt, started (its entry window shown) and purged on $(. /etc/os-release && echo "$PRETTY_NAME")"
