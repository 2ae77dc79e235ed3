#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang into build-fuzz/, replays every
# input that ever made one fail (fuzz/regressions/<target>/), then fuzzes each
# target for a bounded time from its seed corpus (fuzz/corpus/<target>/).
# Fails on any crash, sanitizer report or broken property; a new failing
# input is copied into fuzz/regressions/<target>/ to be committed.
#   bash tools/ci.d/30-fuzz.sh [seconds per target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh build clang libclang-rt-14-dev
seconds="${1:-${FUZZ_SECONDS:-20}}"
build=build-fuzz
targets=(referral reminder)

CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTARQUILL_BUILD_FUZZ=ON -DSTARQUILL_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for target in "${targets[@]}"; do
    binary="$build/fuzz/fuzz_$target"
    regressions="fuzz/regressions/$target"
    if compgen -G "$regressions/*" >/dev/null; then
        echo "=== fuzz_$target: replaying $(ls "$regressions" | wc -l) kept inputs"
        "$binary" "$regressions"/* 2>"$scratch/replay.log" || {
            cat "$scratch/replay.log"
            failed=1
        }
    fi
    # Fuzz from a copy, so that the run's new inputs stay out of the tree.
    mkdir -p "$scratch/$target" "$scratch/artifacts-$target"
    cp -r "fuzz/corpus/$target/." "$scratch/$target/" 2>/dev/null || true
    echo "=== fuzz_$target: ${seconds}s"
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$scratch/artifacts-$target/" "$scratch/$target" 2>"$scratch/$target.log"; then
        grep -v '^#' "$scratch/$target.log" | tail -n 40
        mkdir -p "$regressions"
        cp "$scratch/artifacts-$target/"* "$regressions/" 2>/dev/null || true
        echo "fuzz_$target failed; the input is kept in $regressions/" >&2
        failed=1
    else
        grep -E '^stat::number_of_executed_units|^Done' "$scratch/$target.log" | tr '\n' ' '
        echo
    fi
done
[ "$failed" -eq 0 ] && echo "Fuzzing: no failure"
exit "$failed"
