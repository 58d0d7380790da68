#!/usr/bin/env bash
# The real orvane under a virtual X server: a screenshot, a window that
# Ctrl+Q closes, and one that SIGTERM ends; each run must leave the INI
# written at exit. Last, the sample's folder opens as one trace list.
#   xvfb_end_to_end.sh ORVANE SAMPLE [SCREENSHOT_OUT]
set -euo pipefail

orvane=$1
sample=$2
shot=${3:-}

if [ -z "${DISPLAY:-}" ] || [ "${ORVANE_E2E_NESTED:-}" != 1 ]; then
    export ORVANE_E2E_NESTED=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config
ini=$XDG_CONFIG_HOME/Brannic/Tarvisk.ini
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A stored value that cannot be read is written back as its fall-back.
seed_settings() {
    mkdir -p "$(dirname "$ini")"
    printf '[Preferences]\nBatch%%20Size=abc\nDistance%%20Units= meters \n' >"$ini"
}

check_settings() {
    [ -f "$ini" ] || fail "$1: no settings file at exit"
    grep -q '^Batch%20Size=8$' "$ini" || fail "$1: Batch Size not written as 8"
    grep -q '^Distance%20Units=Meters$' "$ini" || fail "$1: Distance Units not kept"
    grep -q '^\[Main%20Frame\]$' "$ini" || fail "$1: no Main Frame section"
    grep -q '^\[FASTemplate\]$' "$ini" || fail "$1: no FASTemplate section"
}

start_and_wait_for_window() {
    "$orvane" "${1:-$sample}" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane' | head -1) ||
        fail "no orvane window"
}

wait_for_exit() {
    local status=0
    timeout 20 tail --pid="$pid" -f /dev/null || fail "$1: orvane did not end"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
}

# 1. The screenshot.
out=${shot:-$work/shot.png}
"$orvane" --screenshot "$out" --size 1024x700 "$sample" >/dev/null
[ "$(head -c 8 "$out" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no PNG at $out"

# 2. File / Exit through Ctrl+Q.
seed_settings
start_and_wait_for_window
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+q
wait_for_exit "Ctrl+Q"
check_settings "Ctrl+Q"

# 3. SIGTERM ends the run in order.
seed_settings
start_and_wait_for_window
kill -TERM "$pid"
wait_for_exit "SIGTERM"
check_settings "SIGTERM"

# 4. A folder of traces opens as one trace list with its bars.
seed_settings
start_and_wait_for_window "$(dirname "$sample")"
timeout 20 xdotool search --sync --onlyvisible --name 'Trace List1' >/dev/null ||
    fail "folder: no trace list window"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+q
wait_for_exit "folder"
check_settings "folder"
grep -q '^TraceList%20Bar=On$' "$ini" || fail "folder: TraceList Bar not written"
grep -q '^\[Toolbars-Summary\]$' "$ini" || fail "folder: no Toolbars layout"
grep -q '^\[Recent%20File%20List\]$' "$ini" || fail "folder: no recent-file list"
grep -q "^File1=$(dirname "$sample")/" "$ini" || fail "folder: no trace among the recent files"

echo "orvane end-to-end: screenshot, Ctrl+Q, SIGTERM and a folder's trace list all wrote their settings"
