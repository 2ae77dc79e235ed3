#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The suite tools/test.sh built and ran in build/, again four tests at a time
# and three times over: a test that shares a file with another, or waits a
# fixed time instead of for what it needs, fails here rather than at random.
set -euo pipefail
cd "$(dirname "$0")/../.."
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j4 --repeat until-fail:3
