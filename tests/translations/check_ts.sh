#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every translation is finished and current: lupdate run afresh over the
# sources, on a copy of each .ts file, leaves no message unfinished, empty,
# or vanished from the sources.
#   check_ts.sh <lupdate> <source folder> <.ts files...>
set -euo pipefail
lupdate=$1 sources=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for ts in "$@"; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "$sources" -ts "$copy"
    # A message's source, then its translation: print the source of a bad one.
    if grep -B1 -E '<translation type=|<translation></translation>' "$copy" |
        grep -o '<source>.*</source>\|<translation[^>]*>.*' | sed "s|^|$(basename "$ts"): |"; then
        failed=1
    fi
done
exit "$failed"
