#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tools/faults.py --list: the same draw twice for a seed, another for another seed, six kinds
# in turn, and each fault's text on the line it names.
set -euo pipefail
cd "$1"
draw() { python3 tools/faults.py --list --count 12 --seed "$1"; }
a=$(draw 7) b=$(draw 7) c=$(draw 8)
[ "$a" = "$b" ] && [ "$a" != "$c" ] || { echo "not one draw per seed"; exit 1; }
kinds=$(echo "$a" | tail -n +2 | cut -f3 | head -6 | sort -u | wc -l)
[ "$kinds" = 6 ] || { echo "$kinds kinds in the first six"; exit 1; }
echo "$a" | tail -n +2 | while IFS=$'\t' read -r id place kind change; do
    before=${change%% -> *}
    before=${before%...}
    grep -qF -- "$before" <(sed -n "${place##*:}p" "${place%:*}") || { echo "$id: $change not at $place"; exit 1; }
done
