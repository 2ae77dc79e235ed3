# SPDX-License-Identifier: MIT
# Sourced by the cross builds of Qt (tools/windows/qt.sh, tools/web/qt.sh).
#   qt_cached_build <target> <prefix> <step>
# Prints <prefix> if a complete build is there. Otherwise unpacks Debian's
# qt6-base source into <prefix>.work/src and runs "<step> <prefix>.work", with
# all its output in <prefix>.log; on success marks <prefix> complete and
# prints it. A step runs left of ||, where set -e does not hold: chain its
# commands with &&.
qt_cached_build() {
    local target="$1" prefix="$2" step="$3"
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    local work="$prefix.work" log="$prefix.log" start=$SECONDS
    local tools
    tools="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    # Half-built folders from an interrupted run are never taken as built.
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    echo "Building Qt for $target into $prefix (log: $log)" >&2
    (bash "$tools/qt-source.sh" "$work/src" && "$step" "$work") >"$log" 2>&1 || {
        tail -30 "$log" >&2
        echo "Qt build failed; the whole log is $log" >&2
        exit 1
    }
    rm -rf "$work"
    touch "$prefix/.complete"
    local took=$((SECONDS - start))
    echo "Qt for $target built in $((took / 60)) min $((took % 60)) s, $(du -sh "$prefix" | cut -f1)" >&2
    echo "$prefix"
}
