#!/bin/sh
# andelstipp-cli rows, check and analyse from outside: a stored syndicate's rows out in both
# layouts, checked back against a result with the prize command's figures, a row file of
# another tool read leniently, and the analysis of a stem.
# Usage: rows_cli_test.sh PATH-TO-andelstipp-cli [PATH-TO-andelstipp-demo]
demo="${2-}"
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/pul1lgr"
stored_syndicate "$dir/pul1lgr/LAGRET.TXT" 07.OKT-2008

run "rows e" 0 rows LAGRET.TXT --out "$work/e.txt"
printf 'TIPPING,UKE 10 -2009,L\330RDAG,2916\r\n' >"$work/heading"
head -1 "$work/e.txt" | cmp -s - "$work/heading" || fail "rows heading: $(head -1 "$work/e.txt" | od -c | head -3)"
[ "$(wc -l <"$work/e.txt")" -eq 2917 ] || fail "rows e: $(wc -l <"$work/e.txt") lines"
sed -n 2p "$work/e.txt" | grep -q '^E,1,1,1,1,1,1,1,1,1,1,1,1.$' || fail "rows e first row: $(sed -n 2p "$work/e.txt")"
run "rows plain to stdout" 0 rows pul1lgr/LAGRET.TXT --layout plain
[ "$(wc -l <"$work/out")" -eq 2916 ] || fail "rows plain: $(wc -l <"$work/out") lines"
tr -d '\r' <"$work/out" | grep -vqx '[1X2]\{12\}' && fail "rows plain: a line that is not twelve signs"
run "rows of a missing file" 1 rows MANGLER.TXT
run "rows with a bad layout" 2 rows LAGRET.TXT --layout csv

# The round trip: the rows checked give the prize command's figures for the same coupons.
"$cli" prize 442244444441 446677774444 446677774222 446677774111 446677772421 446677772214 446677772142 \
    446677771412 446677771241 446677771124 --p12 250000 --p11 1500 --p10 126 >"$work/prize"
for layout in e plain; do
    run "rows $layout for the check" 0 rows LAGRET.TXT --layout $layout --out "$work/$layout.rows"
    run "check $layout" 0 check "$work/$layout.rows" 11XX11111112 --p12 250000 --p11 1500 --p10 126
    for k in 12 11 10 9 0; do
        want=$(sed -n "s/^right $k //p" "$work/prize")
        got=$(sed -n "s/^right $k //p" "$work/out")
        [ "$want" = "$got" ] || fail "check $layout right $k: $got, prize $want"
    done
    [ "$(sed -n 's/^total //p' "$work/out")" = "$(sed -n 's/^total //p' "$work/prize")" ] ||
        fail "check $layout total: $(grep total "$work/out")"
    grep -qx 'rows 2916' "$work/out" || fail "check $layout rows: $(grep rows "$work/out")"
done
[ "$(grep -c . "$work/err")" -eq 0 ] || fail "a plain file named skipped lines: $(cat "$work/err")"

# Every demo syndicate: its rows checked give what the prize command counts on its coupons.
if [ -n "$demo" ]; then
    "$demo" "$work/demo" >/dev/null 2>&1 || fail "demo generator"
    for stored in $(cd "$work/demo/pul1lgr" && ls DATO-*.TXT); do
        coupons=$("$cli" --dir "$work/demo" storage show "$stored" | sed -n 's/^coupon [1-9] //p' | tr '\n' ' ')
        "$cli" prize 421421421421 $coupons --p12 1000 --p11 100 --p10 10 >"$work/prize" || fail "$stored: prize"
        "$cli" --dir "$work/demo" rows "$stored" --out "$work/demo.rows" || fail "$stored: rows"
        "$cli" check "$work/demo.rows" 1X21X21X21X2 --p12 1000 --p11 100 --p10 10 >"$work/check" 2>/dev/null || fail "$stored: check"
        grep '^right\|^total' "$work/prize" >"$work/prize.cut"
        grep '^right\|^total' "$work/check" | cmp -s "$work/prize.cut" - || fail "$stored: rows checked differ from the prize count"
    done
fi

# Another tool's file: a heading, other separators, a cut row.
printf 'Mine rekker\r\n1;1;X;X;1;1;1;1;1;1;1;2\r\n\r\n1 1 X X 1 1 1 1 1 1 1\r\n' >"$work/other.txt"
run "check another tool's file" 0 check "$work/other.txt" 11XX11111112 --p12 100
grep -qx 'right 12 1' "$work/out" && grep -qx 'rows 1' "$work/out" && grep -qx 'total 100' "$work/out" ||
    fail "other file: $(cat "$work/out")"
[ "$(cat "$work/err")" = "Hoppet over linje 1: 0 tegn 1, X og 2, ikke 12
Hoppet over linje 4: 11 tegn 1, X og 2, ikke 12" ] || fail "other file stderr: $(cat "$work/err")"
run "check a bad result" 2 check "$work/other.txt" 11XX1111111
run "check a missing file" 1 check "$work/mangler.txt" 11XX11111112
grep -q 'Fant ikke rekkefilen' "$work/err" || fail "missing row file: $(cat "$work/err")"

# The analysis: the guarantee holds with every pick right; the outcomes add up.
run "analyse" 0 analyse 446677777777
grep -qx 'guarantee holds' "$work/out" || fail "analyse: $(cat "$work/out")"
[ "$(sed -n '2p' "$work/out")" = "outcomes 26244" ] || fail "analyse outcomes: $(sed -n 2p "$work/out")"
sum=0
for n in $(sed -n '3,6p' "$work/out" | awk '{print $NF}'); do sum=$((sum + n)); done
[ "$sum" -eq 26244 ] || fail "analyse: the best rows add to $sum"
grep -qx 'scenario two-wrong' "$work/out" || fail "analyse two-wrong missing"
run "analyse a bad stem" 2 analyse 446677444444

finish "all rows cli checks passed"
