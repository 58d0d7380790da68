#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their table. Arguments go to the
# benchmark program (for example --benchmark_filter=Native).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh release -DVARNEL_BENCH=ON >/dev/null
build/release/bench/varnel_bench --benchmark_counters_tabular=true "$@"
[ -x build/release/bench/orvane_bench ] && build/release/bench/orvane_bench "$@"
build/release/bench/orvane_startup_bench "$@"
