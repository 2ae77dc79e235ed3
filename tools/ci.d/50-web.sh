#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The browser build: Qt for WebAssembly cross-built when its cache is missing
# (once), then the page with warnings as errors (tools/web/build.sh, in a
# Debian 13 root on other systems), and the page driven in this system's
# chromium (the web_page test in build-web).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh cmake web-test
# npm comes with Node.js from most sources, Debian's aside.
command -v npm >/dev/null || bash tools/setup.sh npm
bash tools/web/build.sh -DSTARQUILL_WERROR=ON
ctest --test-dir build-web --output-on-failure
