#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks an installed tree: the program, a valid desktop entry, every icon,
# valid metainfo of this version, the manual page, copyright and changelog.
#   check_install.sh <build dir> <site root> <version> [tree]
# The tree is by default the build installed into a scratch prefix;
# check_deb.sh passes the unpacked package's usr/.
set -uo pipefail
build="$1" site_root="$2" version="$3" prefix="${4:-}"
id=com.lanternsoftwares.Starquill
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
if [ -z "$prefix" ]; then
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
fi
share="$prefix/share" icons="$prefix/share/icons/hicolor"
[ -x "$prefix/bin/StarquillFree" ] || fail "no executable bin/StarquillFree"

desktop="$share/applications/$id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop entry: $out"
key() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null | head -n 1; }
[ -x "$prefix/bin/$(key Exec | cut -d' ' -f1)" ] || fail "desktop Exec '$(key Exec)' is no installed program"
[ "$(key Icon)" = "$id" ] || fail "desktop Icon is '$(key Icon)', not $id"

# Sizes written out here, not taken from the build, so a dropped one is caught.
grep -qs '<svg' "$icons/scalable/apps/$id.svg" || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    file -b "$icons/${size}x${size}/apps/$id.png" | grep -q "^PNG image data, $size x $size," ||
        fail "no ${size}x${size} PNG icon"
done

# Metainfo, desktop entry and icons together, as a software centre reads
# them; an info (such as no metadata at all) fails too, pedantic notes do not.
out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) && ! grep -qE '^\s*[EWI]: ' <<<"$out" ||
    fail "appstreamcli validate-tree: $out"
metainfo="$share/metainfo/$id.metainfo.xml"
grep -qsE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
    fail "metainfo has no dated release $version"
grep -qs "<image>$site_root/starquill-free/screenshots/[^<]*\.png</image>" "$metainfo" ||
    fail "metainfo has no screenshot under $site_root"

man="$share/man/man6/StarquillFree.6.gz" doc="$share/doc/starquill"
zcat "$man" 2>/dev/null | grep -q "^\.TH STARQUILLFREE 6 .*\"Starquill $version\"" ||
    fail "no manual page of StarquillFree $version"
zcat "$doc/changelog.gz" 2>/dev/null | head -n 1 | grep -q "^starquill ($version) " ||
    fail "no changelog whose top entry is $version"
# gzip -n: no file name or time stamp in the header, so builds are reproducible.
for gz in "$man" "$doc/changelog.gz"; do
    [ ! -f "$gz" ] || [ "$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' \n')" = 0000000000 ] ||
        fail "$gz is not compressed reproducibly (gzip -9n)"
done
grep -qs '^License: MIT$' "$doc/copyright" && grep -qs '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" ||
    fail "no machine-readable MIT copyright file"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "install tree OK"
