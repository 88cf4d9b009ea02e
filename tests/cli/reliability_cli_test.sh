#!/bin/sh
# andelstipp-cli (and the desktop program's start) against what the agent's machine may
# do to it: a mistyped --dir, a deleted current directory, read-only files, two makings
# at once, a line break in a name.
# Usage: reliability_cli_test.sh PATH-TO-andelstipp-cli PATH-TO-andelstipp
. "$(dirname "$0")/cli_common.sh"
program="$2"

# as_ordinary_user CMD...: root passes every permission check; this runs CMD without the
# capabilities that override them, as the agent's own user would run it.
as_ordinary_user() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --bounding-set=-dac_override,-dac_read_search -- "$@"
    else
        "$@"
    fi
}

# A working directory with drive C mapped and one stored syndicate.
fresh() {
    rm -rf "$1"
    mkdir -p "$1/c" "$1/pul1lgr"
    printf 'DRIVE_C=%s\r\n' "$1/c" >"$1/config.kvs"
    stored_syndicate "$1/pul1lgr/LAGRET.TXT"
}

# --dir that does not exist: refused by every subcommand, never made.
for sub in "system 446677777777" "week 2002-12-31" "teams --type LØRDAG --week UKE_05_-2000" "register list" \
    "storage list" "send 13319" "dump x.NTF" "ntf TPP.TMP" "make-online LAGRET.TXT --navn x --spillenummer 1 --katalog C:"; do
    # shellcheck disable=SC2086
    "$cli" --dir "$work/mangler" $sub >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "--dir missing, $sub: exit $status"
    grep -qx "andelstipp-cli: --dir $work/mangler: no such directory" "$work/err" || fail "--dir missing, $sub: $(cat "$work/err")"
    [ -e "$work/mangler" ] && fail "--dir missing, $sub: the directory was made" && rm -rf "$work/mangler"
done

# The current directory deleted under the tool: --help works, --dir works, the rest says so.
mkdir -p "$work/borte" "$work/ok"
(
    cd "$work/borte" && rmdir "$work/borte" || exit 1
    "$cli" --help >"$work/help" 2>&1
    echo "help $?"
    "$cli" week 2002-12-31 >"$work/gone-out" 2>"$work/gone-err"
    echo "week $?"
    "$cli" --dir "$work/ok" week 2002-12-31 >"$work/dir-out" 2>&1
    echo "dir $?"
    if [ -n "$program" ]; then
        QT_QPA_PLATFORM=offscreen timeout 5 "$program" >/dev/null 2>"$work/program-err"
        echo "program $?"
    fi
) >"$work/statuses"
grep -qx 'help 0' "$work/statuses" || fail "deleted cwd: --help $(cat "$work/statuses")"
grep -qx 'week 1' "$work/statuses" || fail "deleted cwd: week $(cat "$work/statuses")"
grep -qx 'andelstipp-cli: the current directory no longer exists; give the working directory with --dir DIR' \
    "$work/gone-err" || fail "deleted cwd: $(cat "$work/gone-err")"
grep -qx 'dir 0' "$work/statuses" || fail "deleted cwd with --dir: $(cat "$work/dir-out")"
# The desktop program says so in its message box (which waits for OK) instead of aborting.
# (The Windows build has no desktop program to try.)
if [ -n "$program" ]; then
    grep -qE '^program (1|124)$' "$work/statuses" || fail "deleted cwd: program $(cat "$work/statuses")"
    grep -q 'Arbeidskatalogen finnes ikke lenger' "$work/program-err" || fail "deleted cwd: program said $(cat "$work/program-err")"
fi

# Read-only settings are read at once, and a write to them is refused at once.
dir="$work/lesbar"
fresh "$dir"
printf 'QtomSortkriterie=2\r\n' >>"$dir/config.kvs"
chmod 444 "$dir/config.kvs"
as_ordinary_user timeout 20 "$cli" --dir "$dir" register list >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "read-only config.kvs: register list exit $status ($(cat "$work/err"))"
[ -s "$work/err" ] && fail "read-only config.kvs: register list said $(cat "$work/err")"
mkdir -p "$dir/onlcopi" && printf 'UNIKTNUMMER_ONLINEFIL=1500\r\n' >"$dir/onlcopi/config.kvs"
chmod 444 "$dir/onlcopi/config.kvs"
as_ordinary_user timeout 20 "$cli" --dir "$dir" make-online LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 \
    --katalog 'C:\NTFILE' >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 1 ] || fail "read-only serial counter: make-online exit $status ($(cat "$work/err"))"
grep -qF 'Klarte ikke å ta neste serienummer for onlinefilen' "$work/err" || fail "read-only serial: $(cat "$work/err")"
[ -n "$(ls "$dir/c/NTFILE" 2>/dev/null)" ] && fail "read-only serial: an online file was left"
ls "$dir/pul1lgr" | grep -q '^DATO-' && fail "read-only serial: a syndicate was stored"

# Makings at once in one working directory: each its own serial number and backup copy.
dir="$work/samtidig"
fresh "$dir"
for n in 1 2 3 4; do
    "$cli" --dir "$dir" make-online LAGRET.TXT --navn "Kari Nordmann$n" --spillenummer 123456789 \
        --katalog 'C:\NTFILE' >"$work/out$n" 2>"$work/err$n" &
done
wait
for n in 1 2 3 4; do
    grep -q 'NTF$' "$work/out$n" || fail "making $n at once: $(cat "$work/err$n")"
done
[ "$(ls "$dir/onlcopi" | grep -c '^SE_')" -eq 4 ] || fail "makings at once: copies $(ls "$dir/onlcopi")"
tr -d '\r' <"$dir/onlcopi/config.kvs" | grep -qx 'UNIKTNUMMER_ONLINEFIL=1004' || fail "makings at once: serial $(cat "$dir/onlcopi/config.kvs")"

# A line break in the name stays inside its line of the stored syndicate.
dir="$work/linjeskift"
fresh "$dir"
cr=$(printf '\r')
"$cli" --dir "$dir" make-online LAGRET.TXT --navn "Kari${cr}X Nordmann" --spillenummer 123456789 \
    --katalog 'C:\NTFILE' >"$work/out" 2>"$work/err" || fail "line break: make-online $(cat "$work/err")"
stored=$(cd "$dir/pul1lgr" && ls DATO-*.TXT)
"$cli" --dir "$dir" storage show "$stored" >"$work/show" 2>"$work/err" || fail "line break: storage show"
grep -qx 'spillenummer 123456789' "$work/show" || fail "line break: $(cat "$work/show")"
grep -qx 'stamme 446677777777' "$work/show" || fail "line break: stem $(grep stamme "$work/show")"
[ -s "$work/err" ] && fail "line break: storage show said $(cat "$work/err")"

finish "all reliability cli checks passed"
