#!/usr/bin/env bash
# The whole test suite: a normal build and an ASan+UBSan build, each through
# CTest, then every fuzz target for a bounded time under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for flavour in debug asan; do
    echo "== $flavour build"
    scripts/build.sh "$flavour"
    ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
done

echo "== fuzz targets"
scripts/build.sh fuzz
scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
