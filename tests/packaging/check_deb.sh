#!/usr/bin/env bash
# Builds the .deb with cpack and checks it as dpkg would see it: name and
# version, dependencies computed from the program's libraries (runtime
# packages only, never -dev), and the files a desktop needs under /usr.
#   check_deb.sh <build dir> <cpack command> <version>
set -uo pipefail
build="$1" cpack="$2" version="$3"
id=com.lanternsoftwares.Starquill

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log"
    echo "FAIL: cpack"
    exit 1
}
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb"; exit 1; }
deb="${debs[0]}"
echo "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = starquill ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
for name in Maintainer Section Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done

# Depends: every package named must be a runtime package this machine really
# has (the program was linked against it), and the Qt libraries the program
# links must be among them.
depends=$(field Depends)
echo "Depends: $depends"
mapfile -t names < <(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | sed '/^$/d' | sort -u)
[ ${#names[@]} -gt 0 ] || fail "Depends is empty"
for name in "${names[@]}"; do
    case "$name" in
        *-dev | *-dev-*) fail "Depends names a development package: $name" ;;
    esac
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
        fail "Depends names $name, which is not an installed package here"
done
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    printf '%s\n' "${names[@]}" | grep -qx "$needed" || fail "Depends lacks $needed"
done

# Contents: paths as dpkg would unpack them.
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
for path in /usr/bin/StarquillFree \
    /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$id.svg \
    /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
    grep -qx "$path" <<<"$contents" || fail "package lacks $path"
done
# Nothing outside /usr: a package must not write into /etc, /opt or home.
stray=$(grep -v '^/usr\(/\|$\)' <<<"$contents" | grep -vx '/')
[ -z "$stray" ] || fail "package installs outside /usr: $stray"
# The program is stripped, so the package carries no debugging sections.
dpkg-deb -x "$deb" "$out/root"
file "$out/root/usr/bin/StarquillFree" | grep -q ', stripped' || fail "StarquillFree is not stripped"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package OK"
