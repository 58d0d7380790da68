#!/usr/bin/env bash
# The main job: install what is missing, build, print the cable report of the
# bundled sample traces (analysed afresh) with its min/max summary, then start
# the viewer on one of them: a window when there is a display, else a
# screenshot taken under a virtual X server, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh release
build/release/bin/varnel batch --analyze --jobs "$(nproc)" build/release/samples/NOR-SOU

sample=build/release/samples/NOR-SOU/NORSOU13.001
if [ -n "${DISPLAY:-}" ]; then
    exec build/release/bin/orvane "$sample"
fi
shot=$PWD/build/release/orvane-sample.png
xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/orvane --screenshot "$shot" "$sample" \
    2> >(grep -v XDG_RUNTIME_DIR >&2)
