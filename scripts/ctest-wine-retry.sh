#!/bin/sh
# Runs the tests of BUILD with CTest and retries, once each, only the tests whose failure
# shows a fault of Wine itself: its server connection lost and the like, recognised by the
# messages Wine prints, or a program that printed nothing at all (every test program
# prints its first line before any test runs; with Wine's messages off, a program Wine
# could not start fails silently). A failure of a test's own assertions is never retried, so a race
# that loses half the time fails the run. The summary names every test that was retried.
# Usage: ctest-wine-retry.sh BUILD JOBS
set -u
build=$1
jobs=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Wine's own faults, as Wine words them (never words of our tests).
wine_fault='recvmsg: Connection reset by peer|wine client error|could not load kernel32\.dll|wine: failed to start|wineserver: (not running|failed)|err:server:'

cd "$build" || exit 1
ctest --output-on-failure -j "$jobs" >"$log" 2>&1
status=$?
cat "$log"
[ "$status" -eq 0 ] && exit 0

# The failed tests, from CTest's closing list ("  12 - name (Failed)").
failed=$(awk '/^The following tests FAILED:/ { list = 1; next }
              list && /^[ \t]*[0-9]+ - / { sub(/^[ \t]*[0-9]+ - /, ""); sub(/ \([^)]*\)$/, ""); print }' "$log")
# Those whose own output shows Wine's fault. --output-on-failure prints a failed test's
# output right after its result line, up to the next line of CTest's.
wine_faulted=$(awk -v pattern="$wine_fault" '
    function ctest_line() { return $0 ~ /^ *Start +[0-9]+: / || $0 ~ /tests passed/ || $0 ~ /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / }
    function silent_end() { if (failed != "" && !said) print failed; failed = "" }
    ctest_line() {
        silent_end()
        name = ""
        if ($0 ~ /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: /) {
            name = $0
            sub(/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: /, "", name)
            sub(/ .*/, "", name)
            if ($0 ~ /\*\*\*(Failed|Exception)/) { failed = name; said = 0 }
        }
        next
    }
    /[^ \t]/ { said = 1 }
    name != "" && $0 ~ pattern { print name; name = "" }
    END { silent_end() }' "$log" | sort -u)

retried=""
still_failing=""
for name in $failed; do
    if printf '%s\n' "$wine_faulted" | grep -qxF "$name"; then
        retried="$retried $name"
        exact=$(printf '%s' "$name" | sed 's/[][\.*^$+?(){}|]/\\&/g')
        echo "== $name failed by a fault of Wine; running it once more"
        ctest --output-on-failure -R "^$exact\$" || still_failing="$still_failing $name"
    else
        still_failing="$still_failing $name"
    fi
done

echo "== Windows test summary"
[ -n "$retried" ] && echo "Retried after a fault of Wine:$retried"
if [ -n "$still_failing" ]; then
    echo "Failed:$still_failing"
    exit 1
fi
# CTest failed without naming a test (a test that would not even start): not ours to pass.
[ -n "$failed" ] || exit "$status"
exit 0
