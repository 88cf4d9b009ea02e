#!/bin/sh
# The books when a changing command is killed (kill -9) at a random moment, 200 times over
# (20 under Wine, where each start of the tool takes most of a second): afterwards the books
# pass their integrity and balance check, and each command either happened whole (its one
# event recorded) or not at all.
# Usage: books_kill_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/c" "$dir/pul1lgr"
printf 'DRIVE_C=%s\r\n' "$dir/c" >"$dir/config.kvs"
stored_syndicate "$dir/pul1lgr/LAGRET.TXT" 07.OKT-2008 "" "" 59
run "make-online" 0 make-online LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'C:\NTFILE'
events() { "$cli" --dir "$dir" ledger history 1000 | wc -l; }

# Each command of the cycle records exactly one event when it is not refused.
command_of() {
    share=$(( $1 % 60 + 1 ))
    case $(( $1 / 60 % 3 )) in
        0) echo "ledger set 1000 $share --navn Kjoper$1" ;;
        1) echo "ledger pay 1000 $share" ;;
        2) echo "ledger undo 1000 $share --betaling" ;;
    esac
}

total=200
[ -n "${ANDEL_WINDOWS_CLI:-}" ] && total=20
runs=0
seed=1
while [ "$runs" -lt "$total" ]; do
    before=$(events)
    # shellcheck disable=SC2046
    "$cli" --dir "$dir" $(command_of "$runs") >/dev/null 2>&1 &
    pid=$!
    # A pseudo-random pause of 0 to 39 ms: killed before, during or after its transaction.
    seed=$(( (seed * 1103515245 + 12345) % 2147483648 ))
    sleep "0.0$(( seed / 65536 % 40 ))" 2>/dev/null || sleep 0
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    after=$(events)
    [ "$after" -eq "$before" ] || [ "$after" -eq $((before + 1)) ] ||
        fail "run $runs ($(command_of "$runs")): $before events before, $after after"
    if [ $((runs % 20)) -eq 19 ]; then
        "$cli" --dir "$dir" books check >"$work/out" 2>"$work/err" || fail "run $runs: books check: $(cat "$work/err")"
    fi
    runs=$((runs + 1))
done
"$cli" --dir "$dir" books check >"$work/out" 2>"$work/err" || fail "after every run: $(cat "$work/err")"
finish "all $total killed runs left the books whole"
