#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The page's load benchmark (bench/web_load.mjs): builds the site when it is
# missing (tools/web/build.sh), then prints the time to the first window and
# the bytes sent from tools/web/serve.py: cold, plain and compressed, and
# from the service worker's cache.
#   bash bench/web.sh [rounds]        (default 5 rounds each)
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/site/sw.js ] || bash tools/web/build.sh
bash tools/setup.sh web-test
npm ci --no-audit --no-fund --silent
wasm=build-web/site/StarquillFree.wasm
echo "StarquillFree.wasm: $(stat -c %s "$wasm") bytes, $(stat -c %s "$wasm.gz") gzipped," \
    "$(stat -c %s "$wasm.br") with brotli"
node bench/web_load.mjs build-web/site "${1:-5}"
