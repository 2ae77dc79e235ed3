#!/usr/bin/env bash
# Installs what is missing, builds Starquill and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
exec ./build/StarquillFree
