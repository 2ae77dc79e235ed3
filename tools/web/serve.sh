#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Serves the site that tools/web/build.sh left in build-web/site on this
# machine only, and prints its address. The port is the first argument
# (default 8080). Python's server already sends .wasm as application/wasm,
# which lets the browser compile the program while it downloads.
set -euo pipefail
cd "$(dirname "$0")/../.."
site=build-web/site
port="${1:-8080}"
[ -f "$site/index.html" ] || { echo "No site in $site: run bash tools/web/build.sh first" >&2; exit 1; }
echo "Starquill is at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
