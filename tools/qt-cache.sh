# SPDX-License-Identifier: MIT
# Sourced by the cross builds of Qt (tools/windows/qt.sh, tools/web/qt.sh).
#   qt_cached_build <target> <prefix> <prepare> <CMake options...>
# Prints <prefix> if a complete build is there. Otherwise unpacks Debian's
# qt6-base source into <prefix>.work/src, runs "<prepare> <source folder>"
# (patches, environment), configures with the options, builds and installs
# into <prefix>, with all the output in <prefix>.log; on success marks
# <prefix> complete and prints it. <prepare> runs left of ||, where set -e
# does not hold: chain its commands with &&.
qt_cached_build() {
    local target="$1" prefix="$2" prepare="$3"
    shift 3
    # Two builds at once (a developer's and CI's) would remove each other's
    # half-built Qt: the second waits for the first and then takes its Qt.
    mkdir -p "$(dirname "$prefix")"
    exec 8>"$prefix.lock"
    flock 8
    if [ -f "$prefix/.complete" ]; then
        exec 8>&-
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
    (
        bash "$tools/qt-source.sh" "$work/src" &&
            "$prepare" "$work/src" &&
            cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" "$@" &&
            cmake --build "$work/build" -j"${STARQUILL_JOBS:-$(nproc)}" &&
            cmake --install "$work/build"
    ) >"$log" 2>&1 || {
        tail -30 "$log" >&2
        echo "Qt build failed; the whole log is $log" >&2
        exit 1
    }
    rm -rf "$work"
    touch "$prefix/.complete"
    exec 8>&-
    local took=$((SECONDS - start))
    echo "Qt for $target built in $((took / 60)) min $((took % 60)) s, $(du -sh "$prefix" | cut -f1)" >&2
    echo "$prefix"
}
