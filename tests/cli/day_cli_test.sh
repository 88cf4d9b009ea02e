#!/bin/sh
# andelstipp-cli day from outside: the drawer's report, deposits and withdrawals, the day's
# settlement with its number and difference, the refusals that record nothing, and a
# settlement killed (kill -9) at a random moment, which is either whole or absent.
# Usage: day_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/c" "$dir/pul1lgr"
printf 'DRIVE_C=%s\r\n' "$dir/c" >"$dir/config.kvs"
stored_syndicate "$dir/pul1lgr/LAGRET.TXT" 07.OKT-2008 "" "" 10
run "make-online" 0 make-online LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'C:\NTFILE'
today=$(date +%d.%m.%Y)
# value KEY: the value of a "KEY value" line of the last output.
value() { sed -n "s/^$1 //p" "$work/out" | tr -d '\r'; }

run "Kari buys 1" 0 ledger set 1000 1 --navn "Kari Nordmann"
run "Ola buys 2" 0 ledger set 1000 2 --navn "Ola Hansen"
run "Kari pays" 0 ledger pay 1000 1
run "Ola pays" 0 ledger pay 1000 2
price=$("$cli" --dir "$dir" ledger show 1000 | sed -n 's/^per-share //p' | tr -d '.\r')
run "float" 0 day deposit 500 --merknad "vekselkasse"
run "to the bank" 0 day withdraw 200 --merknad "til banken"
run "report" 0 day report
[ "$(value state)" = open ] || fail "report: state $(value state)"
[ "$(value from)" = "$today" ] || fail "report: from $(value from)"
[ "$(value deposits)" = 500 ] || fail "report: deposits $(value deposits)"
should=$((2 * price + 500 - 200))
[ "$(value expected | tr -d .)" = "$should" ] || fail "report: expected $(value expected), not $should"
grep -q "^in	1000	UKE 10 -2009	" "$work/out" || fail "report: no cash in for 1000"
grep -q "^movement	$today	Uttak	200	til banken$" "$work/out" || fail "report: no withdrawal line"

# Refusals: exit 1 with the books' words, 2 for bad arguments; nothing recorded.
run "more than the drawer" 1 day withdraw 999999 --merknad x
grep -q "^Kassen skal nå inneholde kr " "$work/err" || fail "withdraw: $(cat "$work/err")"
run "no note" 1 day deposit 10
run "a difference without a reason" 1 day close --talt 1
grep -q "skriv grunnen til differansen" "$work/err" || fail "close: $(cat "$work/err")"
run "no count" 2 day close
run "a comma" 2 day close --talt 12,50
run "a note for a close" 2 day close --talt 1 --merknad x
run "no such settlement" 1 day show 7
run "nothing yet" 0 day list
[ -s "$work/out" ] && fail "list before any settlement: $(cat "$work/out")"

counted=$((should - 10))
run "close" 0 day close --talt "$counted" --grunn "en tier for lite"
[ "$(value state)" = "closed 1" ] || fail "close: state $(value state)"
[ "$(value difference)" = -10 ] || fail "close: difference $(value difference)"
run "close again" 1 day close --talt "$counted" --grunn x
grep -q "er alt avsluttet med dagsoppgjør nr 1" "$work/err" || fail "close again: $(cat "$work/err")"
run "list" 0 day list
[ "$(cut -f1,2,3 "$work/out")" = "1	$today	$today" ] || fail "list: $(cat "$work/out")"
run "show" 0 day show 1
cp "$work/out" "$work/show1"
# What is recorded after the close belongs to the next day, which opens with the count.
run "Kari's share undone" 0 ledger undo 1000 1 --betaling --grunn "feil kunde"
run "report of the next day" 0 day report
[ "$(value opening | tr -d .)" = "$counted" ] || fail "next day: opening $(value opening), not $counted"
[ "$(value from)" != "$today" ] || fail "next day: from $(value from)"
run "show again" 0 day show 1
cmp -s "$work/out" "$work/show1" || fail "the closed day changed: $(diff "$work/show1" "$work/out")"
run "books check" 0 books check

# The settlement on paper, A4 and as a receipt printer slip (80 mm = 227 points wide).
if [ -z "${ANDEL_WINDOWS_CLI:-}" ] && command -v pdftotext >/dev/null; then
    run "A4" 0 day show 1 --pdf "$work/oppgjor.pdf"
    pdftotext -layout "$work/oppgjor.pdf" - | grep -q "Dagsoppgjør nr 1" || fail "A4: no title"
    pdftotext -layout "$work/oppgjor.pdf" - | grep -Eq "Differanse +kr -10" || fail "A4: no difference"
    run "slip" 0 day show 1 --pdf "$work/slipp.pdf" --slip
    pdfinfo "$work/slipp.pdf" | grep -Eq "^Page size: +227" || fail "slip: $(pdfinfo "$work/slipp.pdf" | grep 'Page size')"
    pdftotext -layout "$work/slipp.pdf" - | grep -q "Grunn: en tier for lite" || fail "slip: no reason"
    run "a slip without a file" 2 day show 1 --slip
fi

# A settlement killed at a random moment, each time on fresh books: whole or absent.
mkdir -p "$work/template"
cp "$dir/config.kvs" "$work/template/"
"$cli" --dir "$work/template" day deposit 100 --merknad x >/dev/null 2>&1 || fail "template: no deposit"
total=30
[ -n "${ANDEL_WINDOWS_CLI:-}" ] && total=8
runs=0
seed=7
while [ "$runs" -lt "$total" ]; do
    k="$work/k$runs"  # a folder of its own: nothing of an earlier run can touch it
    cp -R "$work/template" "$k"
    "$cli" --dir "$k" day close --talt 100 >/dev/null 2>&1 &
    pid=$!
    seed=$(( (seed * 1103515245 + 12345) % 2147483648 ))
    sleep "0.0$(( seed / 65536 % 60 ))" 2>/dev/null || sleep 0
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    settled=$("$cli" --dir "$k" day list | wc -l)
    state=$("$cli" --dir "$k" day report --dato "$today" | sed -n 's/^state //p')
    case "$settled/$state" in
        "0/open" | "1/closed 1") ;;
        *) fail "killed run $runs: $settled settlement(s), the day $state" ;;
    esac
    "$cli" --dir "$k" books check >/dev/null 2>"$work/err" || fail "killed run $runs: $(cat "$work/err")"
    runs=$((runs + 1))
done

finish "day cli: all passed"
