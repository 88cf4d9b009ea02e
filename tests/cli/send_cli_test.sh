#!/bin/sh
# andelstipp-cli send to a window that takes the connection and never reads: the tool gives
# up with "Programmet svarer ikke" and exit 1 instead of waiting for ever.
# Usage: send_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"

if [ -n "${ANDEL_WINDOWS_CLI:-}" ]; then
    echo "the window's end on Windows is a named pipe: covered by the platform tests there"
    exit 0
fi
command -v python3 >/dev/null || { echo "python3 is needed for the listener"; exit 1; }

runtime="$work/run"
mkdir -m 700 "$runtime" "$work/dir"
printf '\007\000\000\000' >"$work/dir/Apulje1.tmp"  # handle 7, as the window writes it
socket="$runtime/andelstipp-7"
# The frozen window: accepts every connection and never reads or closes it.
python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind(sys.argv[1]); s.listen(8)
held = []
while True: held.append(s.accept()[0])
' "$socket" &
listener=$!
tries=0
while [ ! -S "$socket" ] && [ $tries -lt 200 ]; do sleep 0.05; tries=$((tries + 1)); done
[ -S "$socket" ] || fail "setup: the listener did not start"

XDG_RUNTIME_DIR="$runtime" "$cli" --dir "$work/dir" send 13319 >"$work/out" 2>"$work/err"
status=$?
kill "$listener" 2>/dev/null
wait "$listener" 2>/dev/null
[ "$status" -eq 1 ] || fail "send: exit $status, not 1"
grep -q '^andelstipp-cli: Programmet svarer ikke' "$work/err" || fail "send: $(cat "$work/err")"

finish "all send cli checks passed"
