#!/bin/sh
# andelstipp-cli customer statement and receipt from outside: the PDFs' texts and pages
# (read back with pdftotext), the period, and the refusals that write nothing.
# Usage: printed_documents_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/k" "$dir/pul1lgr"
drive_setting K "$dir/k" >"$dir/config.kvs"

# The Windows build of the tool has no Qt to paint with: both point to the desktop program.
if [ -n "$ANDEL_WINDOWS_CLI" ]; then
    run "Windows statement" 1 customer statement 1 --pdf "$work/s.pdf"
    grep -q '^andelstipp-cli: customer statement needs the desktop program' "$work/err" || fail "Windows: $(cat "$work/err")"
    run "Windows receipt" 1 receipt 1000 1 --pdf "$work/r.pdf"
    grep -q '^andelstipp-cli: receipt needs the desktop program' "$work/err" || fail "Windows: $(cat "$work/err")"
    [ -e "$work/s.pdf" ] || [ -e "$work/r.pdf" ] && fail "Windows: a PDF was written"
    finish "the Windows build of statement and receipt points to the desktop program"
    exit 0
fi

command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null || { fail "poppler-utils is missing"; finish x; }
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
text() { pdftotext -layout "$1" -; }
# count PATTERN FILE: the lines of the PDF's text that hold PATTERN.
count() { text "$2" | grep -c -- "$1"; }

# Two rounds: week 10 of 2009 (Saturday 07.03.2009) with 100 shares, week 12 (21.03.2009).
stored_syndicate "$dir/pul1lgr/UKE10.TXT" 07.OKT-2008 "" "" 99
sed 's/UKE 10 -2009/UKE 12 -2009/' "$dir/pul1lgr/UKE10.TXT" >"$dir/pul1lgr/UKE12.TXT"
run "register Kari" 0 register add --fornavn Kari --etternavn Nordmann --spillenummer 123456789 --telefon1 22334455
run "register Ola" 0 register add --fornavn Ola --etternavn Aas --telefon1 55314207
run "make-online week 10" 0 make-online UKE10.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'K:\NTFILE'
run "make-online week 12" 0 make-online UKE12.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'K:\NTFILE'
share=1
while [ "$share" -le 95 ]; do
    run "Kari buys share $share" 0 ledger set 1000 "$share" --kunde 2
    share=$((share + 1))
done
today=$(date +%d.%m.%Y)
for share in 1 2 3; do run "Kari pays $share" 0 ledger pay 1000 "$share" --dato "$today"; done
run "Ola buys share 96" 0 ledger set 1000 96 --kunde 1
run "Ola pays part of share 96" 0 ledger pay 1000 96 --belop 10 --dato "$today"
run "Kari buys in week 12" 0 ledger set 1001 1 --kunde 2
run "confirm week 10" 0 ledger confirm 1000 --resultat 11XX11111112 --p12 250000 --p11 1500 --p10 126

# Every round: a line per share over several pages, each numbered "Side N av M", closing on
# the balance `customer show` gives.
run "statement" 0 customer statement 2 --pdf "$work/all.pdf"
[ -s "$work/out" ] && fail "statement: output $(cat "$work/out")"
n=$(pages "$work/all.pdf")
[ "$n" -gt 1 ] || fail "statement: $n page(s) for 96 shares"
for page in $(seq 1 "$n"); do
    [ "$(count "Side $page av $n" "$work/all.pdf")" -eq 1 ] || fail "statement: no \"Side $page av $n\""
done
[ "$(count 'UKE 10 -2009' "$work/all.pdf")" -eq 95 ] || fail "statement: $(count 'UKE 10 -2009' "$work/all.pdf") lines of week 10"
[ "$(count 'UKE 12 -2009' "$work/all.pdf")" -eq 1 ] || fail "statement: no line of week 12"
for expected in KONTOUTSKRIFT "Kari Nordmann" "Telefon: 223-34455" "Spillenummer: 123 456 789" "Periode: Alle runder" \
    "ikke betalt"; do
    text "$work/all.pdf" | grep -q -- "$expected" || fail "statement: no \"$expected\""
done
# The statement closes on what the customer and the agent settle: the balance less the
# prices not yet paid, as `customer show` gives them.
"$cli" --dir "$dir" customer show 2 >"$work/show"
net=$(( $(sed -n 's/^balance //p' "$work/show" | tr -d .) - $(sed -n 's/^unpaid //p' "$work/show" | tr -d .) ))
closing=$(text "$work/all.pdf" | grep -E '(Kunden skylder|Til gode for kunden|Saldo) +kr [0-9.]+$' | tail -1)
closed=$(printf '%s' "$closing" | sed 's/.*kr //' | tr -d .)
case "$closing" in *"Kunden skylder"*) closed=-$closed ;; esac
[ "$closed" = "$net" ] || fail "statement: the closing balance \"$closing\" is not $net"
run "statement by player number" 0 customer statement --spillenummer 123456789 --pdf "$work/nummer.pdf"
[ "$(pages "$work/nummer.pdf")" -eq "$n" ] || fail "statement by player number: $(pages "$work/nummer.pdf") pages"

# A period takes the rounds played inside it, both ends included.
run "week 12 only" 0 customer statement 2 --pdf "$work/uke12.pdf" --fra 09.03.2009 --til 31.12.2009
[ "$(pages "$work/uke12.pdf")" -eq 1 ] || fail "week 12 only: $(pages "$work/uke12.pdf") pages"
[ "$(count 'UKE 10 -2009' "$work/uke12.pdf")" -eq 0 ] || fail "week 12 only: a line of week 10"
[ "$(count 'UKE 12 -2009' "$work/uke12.pdf")" -eq 1 ] || fail "week 12 only: no line of week 12"
text "$work/uke12.pdf" | grep -q 'Periode: 09.03.2009 – 31.12.2009' || fail "week 12 only: no period"
run "the round's own day" 0 customer statement 2 --pdf "$work/dag.pdf" --fra 07.03.2009 --til 07.03.2009
[ "$(count 'UKE 10 -2009' "$work/dag.pdf")" -eq 95 ] || fail "the round's day: $(count 'UKE 10 -2009' "$work/dag.pdf") lines"
[ "$(count 'UKE 12 -2009' "$work/dag.pdf")" -eq 0 ] || fail "the round's day: a line of week 12"

# As the books stood at the end of yesterday, before anything of this test was recorded:
# no share was bought yet, and the statement says which day its figures stand on.
yesterday=$(date -d yesterday +%d.%m.%Y)
run "statement as of yesterday" 0 customer statement 2 --pdf "$work/per.pdf" --per "$yesterday"
text "$work/per.pdf" | grep -q "Status per $yesterday" || fail "as of yesterday: no \"Status per $yesterday\""
[ "$(count 'UKE 10 -2009' "$work/per.pdf")" -eq 0 ] || fail "as of yesterday: a share bought today"
run "statement as of today" 0 customer statement 2 --pdf "$work/idag.pdf" --per "$today"
[ "$(count 'UKE 10 -2009' "$work/idag.pdf")" -eq 95 ] || fail "as of today: $(count 'UKE 10 -2009' "$work/idag.pdf") lines"

# Receipts: three slips to a page, the buyer and the payment on each (a part paid too).
run "receipts" 0 receipt 1000 1,2,3,96 --pdf "$work/kvittering.pdf"
[ -s "$work/out" ] && fail "receipts: output $(cat "$work/out")"
[ "$(pages "$work/kvittering.pdf")" -eq 2 ] || fail "receipts: $(pages "$work/kvittering.pdf") pages, not 2"
[ "$(count 'KVITTERING FOR ANDEL' "$work/kvittering.pdf")" -eq 4 ] || fail "receipts: not four slips"
[ "$(count 'klipp her' "$work/kvittering.pdf")" -eq 2 ] || fail "receipts: not two cut lines"
[ "$(count "betalt $today" "$work/kvittering.pdf")" -eq 4 ] || fail "receipts: not four paid"
[ "$(count "kr 10 betalt $today" "$work/kvittering.pdf")" -eq 1 ] || fail "receipts: the part paid"
for expected in "Andel nummer 96 av 100" "Ola Aas" "Serienummer: 1000" "Spilleomgang: UKE 10 -2009" \
    "Systemet garanterer ALLTID minst 11 rette"; do
    text "$work/kvittering.pdf" | grep -q -- "$expected" || fail "receipts: no \"$expected\""
done

# Refusals write nothing: exit 1 for what is not there or not sold, 2 for bad arguments.
while IFS='|' read -r name status args message; do
    rm -f "$work/x.pdf"
    # shellcheck disable=SC2086
    run "$name" "$status" $args --pdf "$work/x.pdf" </dev/null
    [ -e "$work/x.pdf" ] && fail "$name: a PDF was written"
    [ -z "$message" ] || [ "$(cat "$work/err")" = "$message" ] || fail "$name: stderr $(cat "$work/err")"
    [ "$status" -eq 2 ] && { grep -q '^andelstipp-cli: ' "$work/err" && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name: $(cat "$work/err")"; }
done <<'EOF'
unknown player number|1|customer statement --spillenummer 999|Fant ingen kunde med spillenummer 999 i kundekartoteket.
row beyond the register|2|customer statement 3|
no customer named|2|customer statement|
row and player number|2|customer statement 2 --spillenummer 123456789|
not a date|2|customer statement 2 --fra 31.02.2009|
from after to|2|customer statement 2 --fra 01.04.2009 --til 01.03.2009|andelstipp-cli: --fra must not come after --til
as of a day to come|2|customer statement 2 --per 31.12.2099|andelstipp-cli: --per must not come after today
period for show|2|customer show 2|
unknown serial|1|receipt 4321 1|
a share nobody bought|1|receipt 1000 1,99|Andel 99 har ingen kjøper: kvittering skrives bare for en solgt andel.
a share nothing is paid of|1|receipt 1000 1,4|Andel 4 er ikke betalt: kvittering skrives først når andelen er betalt.
a share beyond the syndicate|2|receipt 1000 101|
not a share|2|receipt 1000 1,x|
not a serial|2|receipt 10 1|
no share|2|receipt 1000|
EOF
run "statement without --pdf" 2 customer statement 2
run "receipt without --pdf" 2 receipt 1000 1
run "unwritable PDF" 1 receipt 1000 1 --pdf "$work/finnes/ikke/x.pdf"
grep -q '^andelstipp-cli: Kan ikke lagre ' "$work/err" || fail "unwritable PDF: stderr $(cat "$work/err")"
run "void week 12" 0 ledger void 1001 --grunn prøve
run "receipt of a voided ledger" 1 receipt 1001 1 --pdf "$work/x.pdf"
[ -e "$work/x.pdf" ] && fail "voided: a PDF was written"

finish "customer statement and receipt cli: all passed"
