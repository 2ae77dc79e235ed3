#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the .deb with cpack and checks its fields, its dependencies (installed
# runtime packages, never -dev, among them those of every linked library),
# nothing outside /usr, an unpacked tree that passes check_install.sh, a
# stripped program and a lintian report clean down to its pedantic notes.
#   check_deb.sh <build dir> <cpack command> <site root> <version>
set -uo pipefail
build="$1" cpack="$2" site_root="$3" version="$4"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb"; exit 1; }
deb="${debs[0]}"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture)" = "starquill $version $(dpkg --print-architecture)" ] ||
    fail "package is '$(field Package) $(field Version) $(field Architecture)'"
mapfile -t names < <(field Depends | tr ',|' '\n' | sed 's/(.*)//; s/:any//; s/[[:space:]]//g; /^$/d' | sort -u)
for name in "${names[@]}"; do
    case "$name" in *-dev | *-dev-*) fail "Depends names a development package: $name" ;; esac
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
        fail "Depends names $name, which is not installed here"
done
# Every library the program links comes from a package that Depends names. The
# names are those of this release (Debian 13 calls Qt Core libqt6core6t64,
# Debian 12 libqt6core6), so they are read here from the built program's
# NEEDED entries, where ld.so finds them and which package owns that file.
program="$build/StarquillFree"
mapfile -t linked < <(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
printf '%s\n' "${linked[@]}" | grep -q '^libQt6Widgets\.so' || fail "StarquillFree links no Qt Widgets: ${linked[*]}"
needed=(qt6-qpa-plugins fonts-dejavu-core fonts-lohit-deva)
for library in "${linked[@]}"; do
    path=$(ldd "$program" | awk -v l="$library" '$1 == l && $3 ~ /^\// { print $3 }')
    # dpkg knows the file by the path its package installed, maybe under /lib.
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "/usr$path" 2>/dev/null) ||
        { fail "no package owns $library (at '$path')"; continue; }
    needed+=("${owner%%:*}")
done
lacking=0
for name in "${needed[@]}"; do
    printf '%s\n' "${names[@]}" | grep -qx "$name" || { fail "Depends lacks $name"; lacking=1; }
done
# Seen once, on a fresh Debian 12, and not again: what the package was made from.
[ $lacking -eq 0 ] || { echo "Depends: $(field Depends)"; echo "NEEDED: ${linked[*]}"; cat "$out/cpack.log"; }

stray=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' | grep -v '^/usr\(/\|$\)' | grep -vx /)
[ -z "$stray" ] || fail "package installs outside /usr: $stray"
dpkg-deb -x "$deb" "$out/root"
bash "$(dirname "$0")/check_install.sh" "$build" "$site_root" "$version" "$out/root/usr" ||
    fail "the unpacked package"
file "$out/root/usr/bin/StarquillFree" | grep -q ', stripped' || fail "StarquillFree is not stripped"

lintian=$(command -v lintian)
if [ -n "$lintian" ]; then
    # With TMPDIR in the scratch folder: lintian leaves a file behind in it.
    lint=$(TMPDIR="$out" lintian --fail-on error,warning,info,pedantic --display-info --pedantic \
        --tag-display-limit 0 "$deb" 2>&1) && ! grep -qE '^[EWIP]: ' <<<"$lint" ||
        fail "lintian: $(grep -v 'root privileges' <<<"$lint")"
fi
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
# Reported by CTest as skipped (SKIP_RETURN_CODE), not as passed.
[ -n "$lintian" ] || { echo "SKIP: lintian is not installed (bash tools/setup.sh test installs it)"; exit 77; }
echo "package OK"
