#!/usr/bin/env bash
# The main job: install what is missing, build, and print the cable report of
# the bundled sample traces (analysed afresh) with its min/max summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh release
build/release/bin/varnel batch --analyze --jobs "$(nproc)" build/release/samples/NOR-SOU
