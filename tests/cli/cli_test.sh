#!/bin/sh
# Runs andelstipp-cli and checks its output, exit status and error lines.
# Usage: cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"


# run_ok NAME ARGS...: runs the tool into $work/out and $work/err and expects exit 0.
run_ok() {
    name="$1"
    shift
    "$cli" "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "$name: exit $status"
}

# expect_output NAME EXPECTED ARGS...: exit 0, stdout exactly EXPECTED, stderr empty.
expect_output() {
    name="$1" expected="$2"
    shift 2
    run_ok "$name" "$@"
    printf '%s\n' "$expected" | cmp -s - "$work/out" || {
        fail "$name: stdout differs"
        printf '%s\n' "$expected" | diff - "$work/out"
    }
    [ -s "$work/err" ] && fail "$name: unexpected stderr: $(cat "$work/err")"
}

# expect_usage_error NAME ARGS...: exit 2, nothing on stdout, one stderr line with the prefix.
expect_usage_error() {
    name="$1"
    shift
    "$cli" "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "$name: exit $status, not 2"
    [ -s "$work/out" ] && fail "$name: wrote to stdout: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name: stderr is not one line: $(cat "$work/err")"
    case "$(cat "$work/err")" in
        "andelstipp-cli: "*) ;;
        *) fail "$name: stderr lacks the prefix: $(cat "$work/err")" ;;
    esac
}

# expect_lines NAME PATTERN ARGS...: exit 0 and stdout contains every line of PATTERN.
expect_lines() {
    name="$1" lines="$2"
    shift 2
    run_ok "$name" "$@"
    printf '%s\n' "$lines" | while IFS= read -r line; do
        grep -qxF "$line" "$work/out" || echo "$line"
    done >"$work/missing"
    [ -s "$work/missing" ] && fail "$name: missing lines: $(cat "$work/missing")"
}

default_block='kinds SSSSSSSSMMMM
positions 5 6 7 8 9 10 11 12 1 2 3 4
coupon 1 0324 446677774444
coupon 2 0324 446677774222
coupon 3 0324 446677774111
coupon 4 0324 446677772421
coupon 5 0324 446677772214
coupon 6 0324 446677772142
coupon 7 0324 446677771412
coupon 8 0324 446677771241
coupon 9 0324 446677771124
sikre 2
halvgarderte 2
hele 8
rows-per-coupon 324
total-rows 2.916
stem-rows 26.244
playable yes
stake 2.916
per-share 584'

expect_output "system default stem" "$default_block" system 446677777777
expect_output "system with --dir" "$default_block" --dir "$work" system 446677777777
expect_lines "system BEGGE" 'stake 5.832
per-share 1.167' system 446677777777 --basis BEGGE
expect_lines "system 120 shares" 'per-share 25' system 446677777777 --shares 120
expect_lines "system all fully guarded" 'playable no
total-rows 59.049' system 777777777777
expect_lines "system one row per coupon" 'rows-per-coupon 1
playable no' system 444444447777

expect_usage_error "eleven digits" system 44667777777
expect_usage_error "thirteen digits" system 4466777777777
expect_usage_error "digit 8" system 446677777778
expect_usage_error "digit 0" system 046677777777
expect_usage_error "three 7s" system 446644444777
expect_usage_error "no masks" system
expect_usage_error "unknown option" system 446677777777 --bogus 1
expect_usage_error "unknown basis" system 446677777777 --basis HELG
expect_usage_error "0 shares" system 446677777777 --shares 0
expect_usage_error "121 shares" system 446677777777 --shares 121
expect_usage_error "shares without value" system 446677777777 --shares
expect_usage_error "unknown subcommand" frobnicate
expect_usage_error "no subcommand"

expect_output "week at new year" " UKE 01 -2003" week 2002-12-31
expect_output "week 53" " UKE 53 -2009" week 2010-01-01
expect_usage_error "month 13" week 2002-13-01
expect_usage_error "31 February" week 2003-02-31
expect_usage_error "date form" week 31.12.2002

for args in "--help" "system --help" "week --help"; do
    # shellcheck disable=SC2086
    "$cli" $args >"$work/out" 2>&1 || fail "$args: exit $?"
    grep -q "andelstipp-cli" "$work/out" || fail "$args: no usage printed"
done

finish "all cli checks passed"
