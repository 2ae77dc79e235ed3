#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building needs, builds Starquill and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
bash tools/build.sh
exec ./build/StarquillFree
