#!/usr/bin/env bash
# Runs every built fuzz target for the given number of seconds (default 20),
# starting from its seed corpus. A crash fails the script and leaves the input
# in fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
mkdir -p fuzz-artifacts
shopt -s nullglob
for target in build/fuzz/tracelib/fuzz/fuzz_* build/fuzz/tools/varnel/fuzz/fuzz_* build/fuzz/viewer/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds=$(dirname "${target#build/fuzz/}")/seeds/${name#fuzz_}
    [ -d "$seeds" ] || seeds=""
    echo "-- $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -artifact_prefix=fuzz-artifacts/ \
        -print_final_stats=0 "$corpus" $seeds 2>&1 | tail -n 3
done
