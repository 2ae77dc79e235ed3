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
    python3 - "$copy" <<'PY' || failed=1
import sys, xml.etree.ElementTree as ET
path = sys.argv[1]
bad = []
for context in ET.parse(path).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type", "")
        if kind or not (translation.text or "").strip():
            bad.append(f"{context.findtext('name')}: {message.findtext('source')!r} "
                       f"({kind or 'empty'})")
for line in bad:
    print(f"{path.rsplit('/', 1)[-1]}: {line}")
sys.exit(1 if bad else 0)
PY
done
exit "$failed"
