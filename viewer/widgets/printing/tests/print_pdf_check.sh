#!/usr/bin/env bash
# orvane --print-pdf over the bundled sample cable: a PDF of every print
# kind, its texts read back with pdftotext (the text stays text), every page
# carrying text, and the first pages turned into PNGs with pdftoppm.
#   print_pdf_check.sh ORVANE SAMPLE_DIR OUT_DIR
set -euo pipefail

orvane=$1
samples=$2
out=$3

if ! command -v pdftotext >/dev/null || ! command -v pdfinfo >/dev/null; then
    echo "SKIP: pdftotext/pdfinfo not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/config/Brannic"
rm -f "$out"/*.pdf "$out"/*.png "$out"/*.txt
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
cat >"$work/config/Brannic/Tarvisk.ini" <<'INI'
[Preferences]
FileNameConv=AAABBB__
FileExtConv=###

[ReportPrint]
HdrLine1=Brannic Fibre Contractors
HdrLine2=Cable NOR-SOU acceptance
WaveformInColor=1

[Exception]
Wavelength=1
BackscatCoef=1
INI

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# print NAME KIND FILES... : the PDF, its text, every page with text.
print() {
    local name=$1 kind=$2
    shift 2
    "$orvane" --print-pdf "$out/$name.pdf" --kind "$kind" "$@" >"$work/$name.log" 2>&1 ||
        fail "$kind: $(cat "$work/$name.log")"
    pdftotext -layout "$out/$name.pdf" "$out/$name.txt"
    local pages
    pages=$(pdfinfo "$out/$name.pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" -ge 1 ] || fail "$kind: no pages"
    for ((page = 1; page <= pages; page++)); do
        pdftotext -f $page -l $page "$out/$name.pdf" - | grep -q "Page $page" ||
            fail "$kind: page $page has no page number"
    done
    if command -v pdftoppm >/dev/null; then
        pdftoppm -r 80 -f 1 -l 2 -png "$out/$name.pdf" "$out/$name"
        [ -s "$out/$name-1.png" ] || [ -s "$out/$name-01.png" ] || fail "$kind: no PNG"
    fi
    echo "$kind: $pages pages"
}

# expect NAME TEXT... : each text in the PDF's text.
expect() {
    local name=$1
    shift
    for text in "$@"; do
        grep -qF -- "$text" "$out/$name.txt" || fail "$name: no \"$text\""
    done
}

all=("$samples"/*)
wave13=("$samples"/NORSOU13.* "$samples"/SOUNOR13.*)

print view view "$samples"/NORSOU13.00[1-3]
expect view "Brannic Fibre Contractors" "Primary Trace: NORSOU13.001" \
    "Overlay Trace: NORSOU13.002" "Analysis Results -- NORSOU13.001" \
    "#/Type     (km)     (dB)(dB/Km)    (dB)       (dB)" "Overall (End-to-End) Loss:"

print batch batch "${all[@]}"
expect batch "Primary Trace: NORSOU13.001" "Primary Trace: SOUNOR15.012" \
    "Analysis Results -- SOUNOR15.012"
[ "$(grep -c 'Primary Trace:' "$out/batch.txt")" -eq ${#all[@]} ] || fail "batch: a trace missing"

print frame frame "${all[@]}"
expect frame "NORSOU13.001" "SOUNOR15.012"

print bidir bidir "${all[@]}"
expect bidir "Fiber 001: NORSOU13.001, SOUNOR13.001" "Fiber 012: NORSOU15.012, SOUNOR15.012" \
    "Bi-Directional Report" "Splice"

print summary report:trace-summary "${all[@]}"
expect summary "Trace Summary Report" "NORSOU13.001" "05/14/24" "THE END"
print exception report:exception "${all[@]}"
expect exception "Exception Report" "NORSOU15.001" "Wavelength" "THE END"
print bidir-summary "report:Bi-Dir Splice Loss Summary" "${wave13[@]}"
expect bidir-summary "Bi-Dir Splice Loss Summary Report" "Fiber Number" "THE END"
print one-summary report:1-dir-splice-loss-summary "$samples"/NORSOU13.*
expect one-summary "1-Dir Splice Loss Summary Report" "THE END"
print acceptance report:fiber-acceptance "${wave13[@]}"
expect acceptance "Fiber Acceptance Report" "THE END"
print bidir-report "report:bi-dir-splice-loss" "${wave13[@]}"
expect bidir-report "Bi-Directional Report - NORSOU13.001 / SOUNOR13.001"

# A list file prints its traces; its first ones make the view.
"$(dirname "$orvane")/varnel" list --create "$work/cable.TRL" "$samples"/NORSOU13.00[1-3] >/dev/null
print list view "$work/cable.TRL"
expect list "Primary Trace: NORSOU13.001" "Overlay Trace: NORSOU13.003"

# An unknown kind is refused before anything is written.
status=0
"$orvane" --print-pdf "$work/none.pdf" --kind sideways "$samples"/NORSOU13.001 \
    >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "unknown kind: status $status"
[ ! -e "$work/none.pdf" ] || fail "unknown kind: a PDF was written"
echo "PASS"
