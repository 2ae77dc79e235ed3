#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a Debian 13 (trixie) system with this project at the same
# path, as root: the browser build (Qt 6.8 and Debian 13's emscripten) and the
# Debian 13 stage of CI use it from a Debian 12 host.
#   bash tools/debian13.sh <command> [arguments...]
# On a Debian 13 host the command simply runs here. Elsewhere the first call
# makes a minimal root with debootstrap, in the per-user cache beside the
# cross-built Qts (about 150 MB, a few minutes); later calls reuse it. Each
# call mounts what the command needs (/proc, /sys, /dev, a /tmp of its own)
# in a mount namespace of its own, so the mounts go with the command and two
# calls at once do not meet but in the root's files (apt waits for its lock).
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 <command> [arguments...]" >&2; exit 2; }
project="$(cd "$(dirname "$0")/.." && pwd)"

if [ "$(. /etc/os-release && echo "${ID:-}:${VERSION_ID:-}")" = "debian:13" ]; then
    cd "$project"
    exec "$@"
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "A Debian 13 root is made and entered as root only: run this as root (or with sudo)." >&2
    exit 1
fi

root="${XDG_CACHE_HOME:-$HOME/.cache}/starquill/debian13-root"
mkdir -p "$(dirname "$root")"
# Two first calls at once (two builds, a build and CI): one makes the root, the
# other waits for it rather than remove it half made.
exec 9>"$root.lock"
flock 9
if [ ! -f "$root/.complete" ]; then
    bash "$project/tools/setup.sh" debootstrap
    echo "Making a Debian 13 root in $root (once; its log is $root.log)" >&2
    rm -rf "$root"
    mkdir -p "$root"
    start=$SECONDS
    if ! debootstrap --variant=minbase --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
        trixie "$root" http://deb.debian.org/debian >"$root.log" 2>&1; then
        tail -n 20 "$root.log" >&2
        echo "debootstrap failed; the whole log is $root.log" >&2
        exit 1
    fi
    # Updates and security fixes as on an installed system, and no service
    # started by a package inside the root.
    cat >"$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian trixie main
deb http://deb.debian.org/debian trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
EOF
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    touch "$root/.complete"
    echo "Debian 13 root made in $((SECONDS - start)) s, $(du -sh "$root" | cut -f1)" >&2
fi
flock -u 9
exec 9>&-
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The caller's environment stays outside, but for what says where and how to
# talk to it, and the project's own settings (STARQUILL_JOBS,
# STARQUILL_BUILD_DIR, ...).
env=(HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
    TERM="${TERM:-dumb}")
for name in CI QT_QPA_PLATFORM $(compgen -v STARQUILL_ || true); do
    [ -z "${!name:-}" ] || env+=("$name=${!name}")
done
exec unshare --mount --propagation private -- /bin/bash -c '
    set -e
    root="$1" project="$2"
    shift 2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
    # Made after the mounts, so that a project under /tmp finds its place too.
    mkdir -p "$root$project"
    mount --bind "$project" "$root$project"
    exec chroot "$root" /usr/bin/env -i "$@"
' bash "$root" "$project" "${env[@]}" /bin/bash -c 'cd "$0" && exec "$@"' "$project" "$@"
