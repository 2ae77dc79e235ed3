#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The web test as CTest runs it from the browser build (build-web): lays out
# the site from the build, installs puppeteer-core as locked in the
# project's package-lock.json, and drives the page (walk.mjs, or the script
# named second).
#   bash tests/web/run.sh <build folder> [offline.mjs | tree.mjs | phone.mjs]
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
cmake --install "$build" --prefix "$build/site" >/dev/null
(cd "$here/../.." && npm ci --no-audit --no-fund --silent)
exec node "$here/${2:-walk.mjs}" "$build/site"
