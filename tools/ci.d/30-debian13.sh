#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian 13 as Debian 12: the README's test command in the Debian 13 root
# (tools/debian13.sh; made once with debootstrap in the per-user cache, its
# packages installed from tools/packages.d by tools/test.sh on each run), in
# build-debian13/ so that the host's build/ stays as the earlier checks left
# it. Then the .deb of each release: the same version and the same files in
# both, each installed with apt on its own release, started and purged.
set -euo pipefail
cd "$(dirname "$0")/../.."
export STARQUILL_BUILD_DIR=build-debian13
bash tools/debian13.sh bash tools/test.sh -DSTARQUILL_WERROR=ON

# Inside the project, where the root sees it too.
debs=$(mktemp -d "$PWD/.debs.XXXXXX")
trap 'rm -rf "$debs"' EXIT
(cd build && cpack -G DEB -B "$debs/12" >"$debs/cpack-12.log" 2>&1) || { cat "$debs/cpack-12.log"; exit 1; }
bash tools/debian13.sh bash -c 'cd build-debian13 && cpack -G DEB -B "$0/13"' "$debs" >"$debs/cpack-13.log" 2>&1 ||
    { cat "$debs/cpack-13.log"; exit 1; }
deb12=("$debs"/12/starquill_*.deb) deb13=("$debs"/13/starquill_*.deb)
contents() { dpkg-deb -c "$1" | awk '{ print $1, $6 }'; }
[ "$(dpkg-deb -f "${deb12[0]}" Version)" = "$(dpkg-deb -f "${deb13[0]}" Version)" ] ||
    { echo "FAIL: the packages' versions differ"; exit 1; }
if ! diff <(contents "${deb12[0]}") <(contents "${deb13[0]}"); then
    echo "FAIL: the Debian 12 package (<) and the Debian 13 package (>) differ in their files"
    exit 1
fi
echo "Debian 12 and 13 packages: version $(dpkg-deb -f "${deb12[0]}" Version), the same $(contents "${deb12[0]}" | wc -l) entries"

# On the host too: every dependency is there already (tools/test.sh installed
# them), so apt adds only starquill and the purge leaves the system as it was.
bash tests/packaging/install_deb.sh "${deb12[0]}"
bash tools/debian13.sh bash tests/packaging/install_deb.sh "${deb13[0]}"
