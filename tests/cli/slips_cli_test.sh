#!/bin/sh
# andelstipp-cli receipt --slip and payout-slip from outside: receipt printer slips as PDF,
# each page 80 mm wide and as long as its content, read back with pdftotext; and the
# refusals that write nothing.
# Usage: slips_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/t" "$dir/pul1lgr"
drive_setting T "$dir/t" >"$dir/config.kvs"

if [ -n "$ANDEL_WINDOWS_CLI" ]; then
    run "Windows payout slip" 1 payout-slip 1000 1 --pdf "$work/p.pdf"
    grep -q '^andelstipp-cli: payout-slip needs the desktop program' "$work/err" || fail "Windows: $(cat "$work/err")"
    [ -e "$work/p.pdf" ] && fail "Windows: a PDF was written"
    finish "the Windows build of payout-slip points to the desktop program"
    exit 0
fi
command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null || { fail "poppler-utils is missing"; finish x; }
# width PDF: each page's width in whole points (80 mm is 226.8), one a line; height likewise.
width() { pdfinfo -f 1 -l 99 "$1" | sed -n 's/^Page *[0-9]* size: *\([0-9.]*\) x .*/\1/p'; }
height() { pdfinfo -f 1 -l 99 "$1" | sed -n 's/^Page *[0-9]* size: *[0-9.]* x \([0-9.]*\) .*/\1/p'; }
text() { pdftotext -layout "$1" -; }

stored_syndicate "$dir/pul1lgr/UKE10.TXT"
run "make-online" 0 make-online UKE10.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'T:\NTFILE'
run "sell 1" 0 ledger set 1000 1 --navn "Åse Ødegård" --telefon 91234567
run "sell 2" 0 ledger set 1000 2 --navn "Ola Hansen"
today=$(date +%d.%m.%Y)
run "pay 1" 0 ledger pay 1000 1 --dato "$today"
run "pay 2" 0 ledger pay 1000 2

run "receipt slips" 0 receipt 1000 1,2 --pdf "$work/r.pdf" --slip
[ -s "$work/out" ] && fail "receipt --slip printed on standard output"
[ "$(width "$work/r.pdf" | sort -u)" = "227" ] || fail "receipt slips are not 80 mm wide: $(width "$work/r.pdf")"
[ "$(width "$work/r.pdf" | wc -l)" -eq 2 ] || fail "not one page per share: $(width "$work/r.pdf" | wc -l)"
for h in $(height "$work/r.pdf"); do
    # As long as the content: more than a hand's breadth, much less than an A4 page.
    awk -v h="$h" 'BEGIN { exit !(h > 250 && h < 700) }' || fail "a receipt slip $h points long"
done
text "$work/r.pdf" >"$work/r.txt"
for expected in "KVITTERING FOR ANDEL" "Åse Ødegård" "91234567" "$today" "1 av 5" "Ola Hansen" \
    "AN 1000 001 " "AN 1000 002 " "Systemet garanterer ALLTID"; do
    grep -q -- "$expected" "$work/r.txt" || fail "receipt slips lack '$expected'"
done

run "payout before any" 1 payout-slip 1000 1 --pdf "$work/p.pdf"
grep -q 'har ingen utbetaling' "$work/err" || fail "payout before any: $(cat "$work/err")"
[ -e "$work/p.pdf" ] && fail "a payout slip was written without a payout"
run "confirm" 0 ledger confirm 1000 --resultat 11XX11111112 --p12 250000 --p11 1500 --p10 126
run "payout" 0 ledger payout 1000 1
run "show" 0 ledger show 1000
paid_out=$(grep '^1	' "$work/out" | cut -f7)
[ -n "$paid_out" ] || fail "no payout shown: $(grep '^1	' "$work/out")"
run "payout slip" 0 payout-slip 1000 1 --pdf "$work/p.pdf"
[ "$(width "$work/p.pdf")" = "227" ] || fail "the payout slip is not 80 mm wide: $(width "$work/p.pdf")"
text "$work/p.pdf" >"$work/p.txt"
for expected in "UTBETALING AV GEVINST" "Åse Ødegård" "1 av 5" "kr $paid_out" "Utbetalt dato: *$today" "AN 1000 001 " \
    "Gevinsten er mottatt"; do
    grep -q -- "$expected" "$work/p.txt" || fail "payout slip lacks '$expected'"
done
run "payout slip of a share without payout" 1 payout-slip 1000 2 --pdf "$work/p2.pdf"
[ -e "$work/p2.pdf" ] && fail "a payout slip was written for a share without payout"
run "payout slip without --pdf" 2 payout-slip 1000 1
finish "slips: 80 mm receipts and the payout slip, and their refusals"
