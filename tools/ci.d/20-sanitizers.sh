#!/usr/bin/env bash
# Builds the library and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, runs the tests headless, and
# then, under LeakSanitizer, the walk through every window offscreen and,
# where Xvfb is installed, a session of the real program on X, ended from its
# exit screen as a user ends it. Any report fails the check.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh build test
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
# Runs a command; shows its messages only when it fails.
quietly() {
    "$@" >/dev/null 2>"$scratch/session.log" || {
        cat "$scratch/session.log" >&2
        exit 1
    }
}
echo "Leak check: every window walked, offscreen"
quietly "$build/tests/windows/tst_walks"
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    echo "Leak check: a session of the real program on X (Xvfb)"
    start_xvfb 1024x768
    export DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb
    # An empty PATH: the links find no browser to start.
    PATH="$scratch/bin" "$build/StarquillFree" >/dev/null 2>"$scratch/session.log" &
    program=$!
    # A reading, a link, the result window left, and the exit screen's Exit.
    # Only the program's windows take keys: there is no window manager.
    xdotool search --sync --onlyvisible --name "Starquill v" >/dev/null
    for keys in "m a r y" alt+p alt+h "o" Escape Return; do
        sleep 1
        xdotool key --delay 100 $keys
    done
    status=0
    wait "$program" || status=$?
    if [ "$status" -ne 0 ]; then
        cat "$scratch/session.log" >&2
        echo "The session ended with status $status" >&2
        exit 1
    fi
fi
echo "Sanitizers: clean"
