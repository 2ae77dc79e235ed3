#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
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
# The packaging tests check the install tree and the .deb, and the layers
# check compiles a copy of the sources: none runs the program's code.
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -E '^(packaging|layers)_'

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
    PATH="$scratch/bin" "$build/StarquillFree" >"$scratch/session.out" 2>"$scratch/session.log" &
    program=$!
    failed() {
        echo "The session failed: $1; the program printed:" >&2
        cat "$scratch/session.out" "$scratch/session.log" >&2
        exit 1
    }
    # Runs a check until it holds, for at most a minute.
    await() {
        for _ in $(seq 1200); do "$@" && return; sleep 0.05; done
        return 1
    }
    # Holds once a single program window is on screen other than $window; it becomes $window.
    window=""
    new_window() {
        local shown
        shown=$(xdotool search --onlyvisible --name "^Starquill v" 2>/dev/null) &&
            [ "$(wc -l <<<"$shown")" -eq 1 ] && [ "$shown" != "$window" ] && window=$shown
    }
    # Keys for $window, focused first: there is no window manager to give it the keyboard.
    keys() { xdotool windowfocus --sync "$window" key --delay 100 "$@"; }
    ended() { ! kill -0 "$program" 2>/dev/null; }
    # A reading, a link, the result window left, and the exit screen's Exit.
    await new_window || failed "no entry window"
    keys m a r y alt+p
    await new_window || failed "no result window"
    keys alt+h o
    await grep -q help-web-page "$scratch/session.log" || failed "the help link went nowhere"
    keys Escape
    await new_window || failed "no exit screen"
    keys Return
    await ended || failed "the program still runs after the exit screen's Exit"
    status=0
    wait "$program" || status=$?
    [ "$status" -eq 0 ] || failed "it ended with status $status"
fi
echo "Sanitizers: clean"
