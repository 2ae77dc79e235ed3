#!/usr/bin/env bash
# Builds the library and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, runs the tests headless, and
# then a scripted session (start-up, every link, a reading, the exit screen,
# a referral and the end) under LeakSanitizer, offscreen and, where Xvfb is
# installed, on X. Any report fails the check.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh build test clang libclang-rt-14-dev
build=build-asan
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSTARQUILL_BUILD_TESTS=ON \
    -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The tests leave windows for the process to take down; leaks are judged on
# the session below, where the program ends as it does for a user.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1
# The packaging tests check the install tree and the .deb, not memory.
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -E '^packaging_'

source tools/scratch.sh
scratch_home
mkdir -p "$scratch/bin"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tools/ci.d/20-sanitizers.supp:print_suppressions=0"
session=("$build/tests/startprobe" --click-links --answer yes --end)
# Runs the session; shows its messages only when it fails.
run_session() {
    "${session[@]}" >/dev/null 2>"$scratch/session.log" || {
        cat "$scratch/session.log" >&2
        exit 1
    }
}
echo "Leak check: a scripted session, offscreen"
run_session
if command -v Xvfb >/dev/null; then
    echo "Leak check: a scripted session on X (Xvfb)"
    start_xvfb 1024x768
    # An empty PATH: the links find no browser to start.
    DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb PATH="$scratch/bin" run_session
fi
echo "Sanitizers: clean"
