#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Serves the site that tools/web/build.sh left in build-web/site on this
# machine only (tools/web/serve.py), and prints its address. The port is the
# first argument (default 8080). Files go brotli- or gzip-compressed as the
# browser accepts, the .wasm as application/wasm, which lets the browser
# compile the program while it downloads.
set -euo pipefail
cd "$(dirname "$0")/../.."
site=build-web/site
port="${1:-8080}"
[ -f "$site/index.html" ] || { echo "No site in $site: run bash tools/web/build.sh first" >&2; exit 1; }
exec /usr/bin/python3 tools/web/serve.py "$site" "$port"
