#!/usr/bin/env bash
# The whole test suite: a normal build and an ASan+UBSan build, each through
# CTest, then every fuzz target for a bounded time under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

passed=0
failed=0
log=$(mktemp)
build_log=$(mktemp)
trap 'rm -f "$log" "$build_log"' EXIT

# Builds one flavour quietly; when the build fails its whole output is shown
# (Ninja prints the compiler's errors on stdout).
build() {
    if ! scripts/build.sh "$1" >"$build_log" 2>&1; then
        cat "$build_log"
        echo "== $1 build failed"
        exit 1
    fi
}

for flavour in debug asan; do
    echo "== $flavour build"
    build "$flavour"
    status=0
    ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)" | tee "$log" || status=$?
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
    bad=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
    passed=$((passed + ${total:-0} - ${bad:-0}))
    failed=$((failed + ${bad:-0}))
    if [ "$status" -ne 0 ] || [ -z "$total" ]; then
        echo "tests: $passed passed, $((failed > 0 ? failed : 1)) failed"
        exit 1
    fi
done

echo "== fuzz targets"
build fuzz
scripts/fuzz.sh "${FUZZ_SECONDS:-20}"

echo "tests: $passed passed, $failed failed"
