#!/bin/sh
# andelstipp-cli teams, result and prize from outside: output, exit status, error lines.
# Usage: results_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"

# check NAME STATUS EXPECTED-STDOUT ARGS...: the exit status and stdout must match; a
# status of 2 must come with one "andelstipp-cli: " line on stderr and nothing on stdout.
check() {
    name="$1" want_status="$2" want_out="$3"
    shift 3
    "$cli" --dir "$work" "$@" >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" -ne "$want_status" ]; then
        echo "FAIL: $name: exit $status, not $want_status: $(cat "$work/err")"
        failures=$((failures + 1))
        return
    fi
    if [ "$want_status" -eq 2 ]; then
        if [ -s "$work/out" ] || [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -q '^andelstipp-cli: ' "$work/err"; then
            echo "FAIL: $name: not one usage line: $(cat "$work/err")"
            failures=$((failures + 1))
        fi
        return
    fi
    if ! printf '%s\n' "$want_out" | cmp -s - "$work/out"; then
        echo "FAIL: $name: stdout differs"
        printf '%s\n' "$want_out" | diff - "$work/out"
        failures=$((failures + 1))
    fi
}

# A file of team names in Windows-1252 (Ø is byte D8, ø is F8), CR LF.
printf '#UKE 05\r\n^L\330RDAG\r\n1^Lyn\r\n1^Brann\r\n1^Bod\370/Glimt\r\n1^Molde\r\n#UKE 06\r\n' >"$work/KUP_2000.TXT"
check "teams from the file of team names" 0 '  1. Lyn - Brann
  2. Bodø/Glimt - Molde
  3.  - 
  4.  - 
  5.  - 
  6.  - 
  7.  - 
  8.  - 
  9.  - 
 10.  - 
 11.  - 
 12.  - 
found yes' teams --type LØRDAG --week " UKE 05 -2000"
check "teams of a week without a section" 0 "$(printf '%3d.  - \n' 1 2 3 4 5 6 7 8 9 10 11 12)
found no" teams --type SØNDAG --week "UKE 05 -2000"
check "teams creates a missing file of team names" 0 "$(printf '%3d.  - \n' 1 2 3 4 5 6 7 8 9 10 11 12)
found no" teams --type MIDTUKE --week "UKE 07 -2001"
[ "$(cat "$work/KUP_2001.TXT")" = "$(printf 'KUP_2001.TXT\r')" ] || { echo "FAIL: KUP_2001.TXT not created"; failures=$((failures + 1)); }
check "teams without --type" 2 "" teams --week " UKE 05 -2000"
check "teams with a bad week" 2 "" teams --type LØRDAG --week "week 5"
check "teams with week 54" 2 "" teams --type LØRDAG --week " UKE 54 -2000"

mkdir -p "$work/tippehistorikk"
line() { printf 'UKE %s %s 01.01.2000 %-15.15s 012000000 %10s%8s%7s          0\r\n' "$@"; }
{ line 06 2000 "222222222222" 900000 5000 100; line 05 2000 "1X2 1X2 1X2 1X21" 0 150000 2500; } >"$work/tippehistorikk/lf.txt"
line 05 2000 "XXXX" 0 0 0 >"$work/tippehistorikk/mp.txt"
check "result with a jackpot" 0 'found yes
result 1X21X21X21X2
p12 Jacpot
p11 150.000
p10 2.500' result --type LØRDAG --basis BEGGE --week " UKE 05 -2000"
check "result of a short result text" 0 'found yes
result XXXX--------
p12 0
p11 0
p10 0' result --type MIDTUKE --basis PAUSE --week " UKE 05 -2000"
check "result not in the history" 0 'found no
result ------------
p12 -
p11 -
p10 -' result --type LØRDAG --basis ORDINÆR --week " UKE 04 -2000"
"$cli" --dir "$work" result --type SØNDAG --basis PAUSE --week " UKE 05 -2000" >/dev/null 2>"$work/err"
grep -q '^03 Finner ikke tippestatistikk på!  / .*sp.txt$' "$work/err" ||
    { echo "FAIL: missing history file not reported: $(cat "$work/err")"; failures=$((failures + 1)); }
check "result with an unknown basis" 2 "" result --type LØRDAG --basis HELG --week " UKE 05 -2000"

# prize_output "K:N ..." BEST WRONG TOTAL PER-SHARE: the whole output, rows 0 where not given.
prize_output() {
    for k in 12 11 10 9 8 7 6 5 4 3 2 1 0; do
        n=0
        for pair in $1; do [ "${pair%%:*}" = "$k" ] && n="${pair#*:}"; done
        echo "right $k $n"
    done
    printf 'best %s\nwrong %s\ntotal %s\nper-share %s\n' "$2" "$3" "$4" "$5"
}
check "prize of a jackpot round" 0 "$(prize_output "12:1 11:5" 12 000000000000 5.000 1.666)" \
    prize 444444444444 744444444444 444444444443 444444444442 --p12 Jacpot --p11 1000 --shares 3
check "prize with two marks in a result row" 0 "$(prize_output "11:3" 11 700000000000 0 0)" \
    prize 644444444444 744444444444
check "prize of rows all wrong" 0 "$(prize_output "0:2" 0 311111111111 0 0)" prize 444444444444 311111111111 \
    --p12 1.000.000 --p11 1000 --p10 10
check "prize with eleven digits" 2 "" prize 44444444444 444444444444
check "prize with a digit 8" 2 "" prize 444444444444 444444444448
check "prize without coupons" 2 "" prize 444444444444
check "prize with ten coupons" 2 "" prize 444444444444 444444444444 444444444444 444444444444 444444444444 \
    444444444444 444444444444 444444444444 444444444444 444444444444 444444444444
check "prize with 0 shares" 2 "" prize 444444444444 444444444444 --shares 0

finish "all results CLI checks passed"
