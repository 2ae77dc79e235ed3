#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a tracked C++ source or header is not formatted as .clang-format
# says, and shows where. Debian 12's clang-format (14) is the reference; to fix:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh clang-format
mapfile -d '' -t files < <(git ls-files -z -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "Format: no tracked C++ file found" >&2; exit 1; }
clang-format --dry-run -Werror "${files[@]}"
echo "Format: ${#files[@]} files as .clang-format says"
