#!/bin/sh
# andelstipp-cli certificates from outside: a PDF page per print job of a stored syndicate,
# the refusals that write nothing, and bad arguments.
# Usage: certificates_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/pul1lgr"


# run NAME STATUS ARGS...: runs certificates into $work/out and $work/err.
run() {
    name="$1" expected="$2"
    shift 2
    "$cli" --dir "$dir" certificates "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected ($(cat "$work/err"))"
}

# The Windows build of the tool has no Qt to paint with: it points to the desktop program,
# writes nothing and fails; its usage still answers.
if [ -n "$ANDEL_WINDOWS_CLI" ]; then
    run "Windows build" 1 LAGRET.TXT --pdf "$work/out.pdf"
    grep -q '^andelstipp-cli: certificates needs the desktop program' "$work/err" || fail "Windows: $(cat "$work/err")"
    [ -e "$work/out.pdf" ] && fail "Windows: a PDF was written"
    "$cli" certificates --help | grep -q '^Usage: andelstipp-cli certificates' || fail "Windows: no usage"
    finish "the Windows build of certificates points to the desktop program"
    exit 0
fi

# pages FILE: the number of pages of a PDF.
pages() { grep -ac '/Type /Page$' "$1"; }

online='C:\NTFILE\KRYSSEN_1042.NTF'
stored_syndicate "$dir/pul1lgr/FEM.TXT" 07.OKT-2008 1042 "$online" 4
stored_syndicate "$dir/pul1lgr/MANGE.TXT" 07.OKT-2008 1042 "$online" 45
stored_syndicate "$dir/pul1lgr/UTEN.TXT" 07.OKT-2008 "" "" 4
stored_syndicate "$dir/pul1lgr/GAMMEL.TXT" 01.JAN-2005 1042 "$online" 4

run "five shares" 0 FEM.TXT --pdf "$work/fem.pdf"
head -c 5 "$work/fem.pdf" | grep -q '%PDF-' || fail "five shares: not a PDF"
[ "$(pages "$work/fem.pdf")" -eq 6 ] || fail "five shares: $(pages "$work/fem.pdf") pages, not 6"
[ -s "$work/out" ] && fail "five shares: output $(cat "$work/out")"
# A run that finds no ledger says so rather than printing blank buyer rows silently.
[ "$(cat "$work/err")" = "Fant ikke andelsregnskapet for onlinefilen med serienummer 1042. / Andelsbrevene skrives ut uten kjøpere." ] ||
    fail "five shares: stderr $(cat "$work/err")"
# The layout's fonts are embedded as their metric-compatible faces, none as DejaVu.
if command -v pdffonts >/dev/null; then
    fonts=$(pdffonts "$work/fem.pdf" 2>&1)
    echo "$fonts" | grep -q 'LiberationSans' || fail "five shares: no Liberation Sans in the PDF: $fonts"
    echo "$fonts" | grep -qi 'dejavu' && fail "five shares: DejaVu in the PDF: $fonts"
else
    fail "pdffonts (poppler-utils) is missing"
fi

run "46 shares with every choice" 0 MANGE.TXT --pdf "$work/mange.pdf" --margin 0 --juster 1 --spar-gulfarge
[ "$(pages "$work/mange.pdf")" -eq 49 ] || fail "46 shares: $(pages "$work/mange.pdf") pages, not 46 + 1 + 2"

run "no online file" 1 UTEN.TXT --pdf "$work/uten.pdf"
[ "$(cat "$work/err")" = "Du må først lage onlinefil" ] || fail "no online file: stderr $(cat "$work/err")"
[ -e "$work/uten.pdf" ] && fail "no online file: a PDF was written"

run "unregistered after an old version" 1 GAMMEL.TXT --pdf "$work/gammel.pdf"
[ "$(tail -1 "$work/err")" = "Du kan ikke lage Andelsbrev / som uregistrert spiller" ] ||
    fail "unregistered: stderr $(cat "$work/err")"
[ -e "$work/gammel.pdf" ] && fail "unregistered: a PDF was written"

run "missing storage file" 1 FINNESIKKE.TXT --pdf "$work/x.pdf"
[ -e "$work/x.pdf" ] && fail "missing storage file: a PDF was written"

run "unwritable PDF" 1 FEM.TXT --pdf "$work/finnes/ikke/x.pdf"
grep -q '^andelstipp-cli: ' "$work/err" || fail "unwritable PDF: stderr $(cat "$work/err")"

for args in "FEM.TXT" "FEM.TXT --pdf $work/a.pdf --margin 21" "FEM.TXT --pdf $work/a.pdf --juster 2" \
    "FEM.TXT --pdf $work/a.pdf --margin x" "--pdf $work/a.pdf"; do
    # shellcheck disable=SC2086
    run "usage: $args" 2 $args
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^andelstipp-cli: ' "$work/err" || fail "usage $args: $(cat "$work/err")"
    [ -e "$work/a.pdf" ] && fail "usage $args: a PDF was written"
done

finish "certificates cli: all passed"
