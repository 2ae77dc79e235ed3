#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs to
# list, start and show Starquill: the program, a valid desktop entry whose
# Exec and Icon resolve, every icon size at its true pixel size, and a valid
# metainfo that points at that desktop entry.
#   check_install.sh <build dir> <source dir> <site root> <version>
set -uo pipefail
build="$1" source="$2" site_root="$3" version="$4"
id=com.lanternsoftwares.Starquill
# The sizes desktops look for, written out here rather than taken from the
# build, so a size dropped from the build is caught.
sizes="16 22 24 32 48 64 128 256"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

# Where GNUInstallDirs puts things for a /usr-like prefix.
bin="$prefix/bin" share="$prefix/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
icons="$share/icons/hicolor"

[ -x "$bin/StarquillFree" ] || fail "no executable bin/StarquillFree"

# --- desktop entry
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
    [ -z "$out" ] || fail "desktop-file-validate reports: $out"
    key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    [ "$(key Name)" = Starquill ] || fail "desktop Name is '$(key Name)'"
    exec_program=$(key Exec | cut -d' ' -f1)
    [ -x "$bin/$exec_program" ] || fail "desktop Exec '$exec_program' is not an installed program"
    [ "$(key Icon)" = "$id" ] || fail "desktop Icon is '$(key Icon)', not $id"
else
    fail "no $desktop"
fi

# --- icons: the scalable one, and each PNG at the size its folder promises
svg="$icons/scalable/apps/$id.svg"
if [ -f "$svg" ]; then
    grep -q '<svg' "$svg" || fail "$svg is not an SVG"
else
    fail "no $svg"
fi
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    echo "${w}x${h}"
}
for size in $sizes; do
    png="$icons/${size}x${size}/apps/$id.png"
    if [ ! -f "$png" ]; then
        fail "no $png"
        continue
    fi
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png"), not ${size}x${size}"
done
# The window icon compiled into the program is the same picture as the
# installed one of its size.
cmp -s "$source/resources/icons/starquill.png" "$icons/64x64/apps/$id.png" ||
    fail "resources/icons/starquill.png differs from the installed 64x64 icon (run resources/icons/render.sh)"

# --- metainfo
if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    # Pedantic notes (the upper-case letter the id must keep) are allowed;
    # anything stronger is not.
    if grep -qE '^[[:space:]]*[EWI]: ' <<<"$out"; then fail "appstreamcli validate reports: $out"; fi
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    grep -q "<image>$site_root/starquill-free/screenshots/[^<]*\.png</image>" "$metainfo" ||
        fail "metainfo has no screenshot under $site_root"
    grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
        fail "metainfo has no dated release $version"
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"
    # The whole tree, as a software centre reads it: metainfo, desktop entry
    # and icons together.
    out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || fail "appstreamcli validate-tree: $out"
else
    fail "no $metainfo"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install tree OK"
