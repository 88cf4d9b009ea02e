#!/bin/sh
# andelstipp-cli customer list|show and owing from outside: a customer's shares across two
# ledgers, the balance on a confirmed result, and who still owes.
# Usage: customer_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/k" "$dir/pul1lgr"
drive_setting K "$dir/k" >"$dir/config.kvs"
tab=$(printf '\t')
today=$(date +%d.%m.%Y)

stored_syndicate "$dir/pul1lgr/LAGRET.TXT" 07.OKT-2008
run "register Kari" 0 register add --fornavn Kari --etternavn Nordmann --spillenummer 123456789 --telefon1 22334455
run "register Ola" 0 register add --fornavn Ola --etternavn Aas --telefon1 55314207
run "make-online" 0 make-online LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'K:\NTFILE'
run "Kari buys share 1" 0 ledger set 1000 1 --kunde 2
run "Kari pays" 0 ledger pay 1000 1 --dato $today
run "Kari buys share 2 by hand" 0 ledger set 1000 2 --navn "KARI NORDMANN" --spillenummer "123 456 789"
run "Ola buys share 3" 0 ledger set 1000 3 --kunde 1
run "Ola pays part" 0 ledger pay 1000 3 --belop 84 --dato $today

run "customer list" 0 customer list
expect="1${tab}Ola Aas${tab}553-14207${tab}${tab}shares 1${tab}balance 0
2${tab}Kari Nordmann${tab}223-34455${tab}123 456 789${tab}shares 2${tab}balance 0"
[ "$(cat "$work/out")" = "$expect" ] || fail "customer list: $(cat "$work/out")"

# A confirmed result: the winnings of Kari's paid share enter her balance, which is what a
# payment from it may spend; her unpaid share wins nothing and its price stands apart.
run "confirm" 0 ledger confirm 1000 --resultat 11XX11111112 --p12 250000 --p11 1500 --p10 126
run "customer show" 0 customer show --spillenummer 123456789
part=$("$cli" --dir "$dir" ledger show 1000 | sed -n 's/^prize-per-share //p')
head -3 "$work/out" | tr '\n' '|' | grep -qx "name Kari Nordmann|telephone 223-34455|player 123 456 789|" ||
    fail "customer show head: $(head -3 "$work/out")"
grep -qx "1000${tab}UKE 10 -2009${tab}LØRDAG${tab}1${tab}584${tab}584${tab}${part}${tab}" "$work/out" ||
    fail "customer show share 1: $(cat "$work/out")"
grep -qx 'unpaid 584' "$work/out" || fail "unpaid: $(cat "$work/out")"
part_digits=$(printf '%s' "$part" | tr -d .)
want_balance=$part_digits
got_balance=$(sed -n 's/^balance //p' "$work/out" | tr -d .)
[ "$got_balance" = "$want_balance" ] || fail "balance $got_balance, not $want_balance"
run "customer show by row" 0 customer show 2
run "an unknown player number" 1 customer show --spillenummer 999
run "no customer named" 2 customer show

run "owing" 0 owing
# By surname, as the register: Aas before Nordmann.
[ "$(cat "$work/out")" = "Ola Aas${tab}553-14207${tab}${tab}1000${tab}UKE 10 -2009${tab}3${tab}500
Kari Nordmann${tab}223-34455${tab}123 456 789${tab}1000${tab}UKE 10 -2009${tab}2${tab}584
total 1.084" ] || fail "owing: $(cat "$work/out")"
run "owing csv" 0 owing --csv "$work/owing.csv"
head -1 "$work/owing.csv" | grep -q 'Navn;Telefon;Spillenummer;Serienummer;Uke;Andel;Mangler' || fail "owing csv heading"
run "owing xlsx" 0 owing --xlsx "$work/owing.xlsx"
/usr/bin/python3 - "$work/owing.xlsx" <<'PY' || fail "owing workbook"
import sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1])["Utestående"]
rows = list(sheet.iter_rows(values_only=True))
assert rows[0][0] == "Navn" and rows[1][1] == "553-14207" and rows[1][6] == 500 and rows[2][6] == 584, rows
assert rows[-1][0] == "Sum" and rows[-1][6] == "=SUM(G2:G3)", rows[-1]
PY
run "owing csv and xlsx at once" 2 owing --csv a.csv --xlsx a.xlsx

# The sale closed: the unsold shares go to the agent, who owes nobody, and no new buyer is taken.
run "close" 0 ledger close 1000
"$cli" --dir "$dir" ledger show 1000 >"$work/show"
grep -qx 'sale-closed [0-9][0-9].[0-9][0-9].20[0-9][0-9]' "$work/show" || fail "sale-closed: $(cat "$work/show")"
grep -qx 'agent-shares 4 5' "$work/show" || fail "agent-shares: $(cat "$work/show")"
grep -q "^4${tab}Kommisjonær${tab}" "$work/show" || fail "share 4: $(cat "$work/show")"
run "a new buyer after closing" 1 ledger set 1000 4 --navn Per
grep -q 'Salget ble stengt .*: åpne salget igjen før andelen får en ny kjøper.' "$work/err" || fail "closed refusal: $(cat "$work/err")"
run "owing leaves the agent out" 0 owing
grep -q Kommisj "$work/out" && fail "the agent owes: $(cat "$work/out")"
run "close twice" 1 ledger close 1000
run "reopen" 0 ledger reopen 1000
run "a buyer after the result without a reason" 1 ledger set 1000 4 --navn Per
grep -q 'en ny kjøper føres nå bare som en rettelse med grunn' "$work/err" || fail "buyer after the result: $(cat "$work/err")"
run "a buyer after reopening, as a correction" 0 ledger set 1000 4 --navn Per --grunn "kjøpt før trekningen"
run "the customer's history" 0 customer history --spillenummer 123456789
grep -q "${tab}payment_cash${tab}584${tab}Betaling kontant for andel 1: kr 584$" "$work/out" || fail "customer history: $(cat "$work/out")"

# Kari's winnings in 1000 pay her share in the next syndicate; undone, they come back.
stored_syndicate "$dir/pul1lgr/NESTE.TXT" 07.OKT-2008 "" "" 6
run "second make-online" 0 make-online NESTE.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'K:\NTFILE'
run "Kari buys in 1001" 0 ledger set 1001 1 --kunde 2
price=$("$cli" --dir "$dir" ledger show 1001 | sed -n 's/^per-share //p' | tr -d .)
[ "$part_digits" -ge "$price" ] || fail "the win $part_digits does not cover the price $price"
run "pay from balance" 0 ledger pay 1001 1 --fra-saldo
"$cli" --dir "$dir" ledger show 1000 | grep -qx 'winnings-to-balance 1' || fail "the winning share does not record it"
"$cli" --dir "$dir" ledger show 1001 | grep -qx 'paid-from-balance 1' || fail "the paid share does not record it"
run "Kari buys another in 1001" 0 ledger set 1001 2 --kunde 2
run "balance too small" 1 ledger pay 1001 2 --fra-saldo
grep -q "Saldoen til Kari Nordmann er kr $((part_digits - price)), men andel 2 koster kr $price: saldoen er for liten." "$work/err" ||
    fail "balance refusal: $(cat "$work/err")"
run "undo the balance payment" 0 ledger undo 1001 1 --betaling
"$cli" --dir "$dir" ledger show 1000 | grep -q 'winnings-to-balance' && fail "the win was not given back"
run "from balance with an amount" 2 ledger pay 1001 1 --fra-saldo --belop 5
run "from balance for a share nobody bought" 1 ledger pay 1001 3 --fra-saldo

run "void" 0 ledger void 1000 --grunn prøve
run "owing after voiding" 0 owing
grep -q '^total ' "$work/out" && ! grep -q '1000' "$work/out" || fail "owing after voiding: $(cat "$work/out")"

finish "all customer cli checks passed"
