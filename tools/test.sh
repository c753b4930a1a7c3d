#!/usr/bin/env bash
# Builds Vantor and runs every check CI runs: the test suite, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for a short time on its seed corpus. Exits non-zero on the first failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tools/setup.sh

jobs=$(nproc)
fuzzSeconds=${VANTOR_FUZZ_SECONDS:-20}

echo "== build and test"
cmake -S . -B build -G Ninja -DVANTOR_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300

echo "== sanitizers"
cmake -S . -B build-asan -G Ninja -DVANTOR_WERROR=ON -DVANTOR_SANITIZE=ON -DVANTOR_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600

echo "== fuzz (${fuzzSeconds}s per target)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVANTOR_FUZZ=ON \
    -DVANTOR_BUILD_UI=OFF -DVANTOR_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$jobs" --target fuzz-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r target; do
    [ -n "$target" ] || continue
    echo "-- $target"
    mkdir -p "$work/$target"
    seeds="fuzz/corpus/$target"
    [ -d "$seeds" ] && cp -r "$seeds/." "$work/$target/"
    if ! (cd "$work" && "$top/build-fuzz/fuzz-bin/$target" -max_total_time="$fuzzSeconds" \
        -rss_limit_mb=2048 -timeout=10 "$work/$target" >"$work/$target.log" 2>&1); then
        cat "$work/$target.log"
        echo "fuzz target $target failed"
        exit 1
    fi
    tail -n 2 "$work/$target.log"
done < build-fuzz/fuzz-targets.txt
echo "== all checks passed"
