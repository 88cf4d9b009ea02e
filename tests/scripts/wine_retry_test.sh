#!/bin/sh
# ctest-wine-retry.sh from outside, on a small CTest folder of made-up tests: a test that
# fails by Wine's fault once is retried and named; a test failing its own assertion once
# (a race that loses half the time) is never retried and fails the run.
# Usage: wine_retry_test.sh PATH-TO-ctest-wine-retry.sh
set -u
retry=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# once NAME OUTPUT: a test that prints OUTPUT and fails on its first run only.
once() {
    cat >"$work/$1.sh" <<SCRIPT
if [ ! -e "$work/$1.ran" ]; then : >"$work/$1.ran"; echo "$2"; exit 1; fi
echo "$1 passes"; : >"$work/$1.again"
SCRIPT
    printf 'add_test(%s "sh" "%s")\n' "$1" "$work/$1.sh"
}

# scenario NAME EXPECTED-STATUS TESTS...: runs the script on a folder of the given tests.
scenario() {
    name=$1 expected=$2
    shift 2
    rm -rf "$work/build" "$work"/*.ran "$work"/*.again
    mkdir "$work/build"
    {
        printf 'add_test(passes "sh" "-c" "exit 0")\n'
        for t in "$@"; do
            case $t in
            wine) once wine_fault 'wine: recvmsg: Connection reset by peer' ;;
            own) once own_race 'race_test.cpp:40: Failure Expected equality: 2 == 1' ;;
            silent)
                printf 'if [ ! -e "%s/silent.ran" ]; then : >"%s/silent.ran"; exit 1; fi\necho ok; : >"%s/silent.again"\n' \
                    "$work" "$work" "$work" >"$work/silent.sh"
                printf 'add_test(silent "sh" "%s")\n' "$work/silent.sh" ;;
            esac
        done
    } >"$work/build/CTestTestfile.cmake"
    sh "$retry" "$work/build" 2 >"$work/out" 2>&1
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected: $(cat "$work/out")"
}

scenario "a fault of Wine" 0 wine
grep -qx 'Retried after a fault of Wine: wine_fault' "$work/out" || fail "wine: retry not named: $(cat "$work/out")"
[ -e "$work/wine_fault.again" ] || fail "wine: not run again"

scenario "a test's own failure" 1 own
[ -e "$work/own_race.again" ] && fail "own: the test's own failure was retried"
grep -qx 'Failed: own_race' "$work/out" || fail "own: failure not named: $(cat "$work/out")"
grep -q 'Retried' "$work/out" && fail "own: a retry was named"

scenario "both" 1 wine own
grep -qx 'Retried after a fault of Wine: wine_fault' "$work/out" || fail "both: retry not named"
grep -qx 'Failed: own_race' "$work/out" || fail "both: own failure not named"
[ -e "$work/own_race.again" ] && fail "both: the test's own failure was retried"

# A program Wine could not start prints nothing (Wine's own messages are off).
scenario "a silent failure" 1 silent own
grep -qx 'Retried after a fault of Wine: silent' "$work/out" || fail "silent: retry not named: $(cat "$work/out")"
[ -e "$work/silent.again" ] || fail "silent: not run again"
[ -e "$work/own_race.again" ] && fail "silent: the test's own failure was retried"
grep -qx 'Failed: own_race' "$work/out" || fail "silent: own failure not named"

scenario "all pass" 0
grep -q 'summary' "$work/out" && fail "all pass: a summary of failures"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all wine retry checks passed"
