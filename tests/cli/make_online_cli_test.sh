#!/bin/sh
# andelstipp-cli make-online from outside: the whole road from a stored syndicate to the
# online file, its backup copy, the next serial number and the ONLINE storage; then the
# stops that make nothing.
# Usage: make_online_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/m" "$dir/pul1lgr"
drive_setting M "$dir/m" >"$dir/config.kvs"


# run NAME STATUS ARGS...: runs make-online into $work/out and $work/err.
run() {
    name="$1" expected="$2"
    shift 2
    "$cli" --dir "$dir" make-online "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected ($(cat "$work/err"))"
}

stored_syndicate "$dir/pul1lgr/LAGRET.TXT"
stored_syndicate "$dir/pul1lgr/GAMMEL.TXT" 01.JAN-2005

run "make to M" 0 LAGRET.TXT --navn "Kari Nordmann" --spillenummer "123 456 789" --katalog 'M:\NTFILE' \
    --gangefelt 2 --uker 5
path=$(cat "$work/out")
printf '%s\n' "$path" | grep -qx 'M:\\NTFILE\\KRYSSEN_2\.916_Rekker_KARI_NORDMANN_Dato_[0-9-]*_KL_[0-9-]*\.NTF' ||
    fail "make: printed path $path"
[ "$(cat "$work/err")" = "Intern lagring OK + Onlinefil OK" ] || fail "make: stderr $(cat "$work/err")"
made="$dir/m/NTFILE/${path#M:\\NTFILE\\}"
"$cli" dump "$made" >"$work/dump" 2>&1 || fail "dump of the made file: $(tail -3 "$work/dump")"
[ "$(tail -1 "$work/dump")" = "records 10" ] || fail "dump: $(tail -1 "$work/dump")"
grep -qx 'H24  :123456789' "$work/dump" || fail "dump: player number"
cmp -s "$made" "$dir/onlcopi/SE_1000.ntf" || fail "no backup copy under serial number 1000"
tr -d '\r' <"$dir/onlcopi/config.kvs" | grep -qx 'UNIKTNUMMER_ONLINEFIL=1001' || fail "serial number not advanced"
tr -d '\r' <"$dir/config.kvs" | grep -qx 'OnlinefilDrive=M' || fail "OnlinefilDrive not stored"
stored=$(cd "$dir/pul1lgr" && ls DATO-*.TXT)
[ "$(printf '%s\n' "$stored" | wc -l)" -eq 1 ] || fail "not one new storage file: $stored"
"$cli" --dir "$dir" storage show "$stored" >"$work/show" 2>&1 || fail "storage show of the new file"
grep -qx 'serienummer 1000' "$work/show" || fail "stored serial number: $(cat "$work/show")"
grep -qxF "onlinefil $path" "$work/show" || fail "stored online file: $(grep onlinefil "$work/show")"
tr -d '\r' <"$dir/pul1lgr/$stored" | sed -n 16p | grep -qx ONLINE || fail "storage mode is not ONLINE"

# Stops: nothing new anywhere, the serial number stays.
snapshot() { (cd "$dir" && find . -type f ! -name TPP.TMP ! -name TT.TMP | sort && cat onlcopi/config.kvs); }
mkdir -p "$dir/l" && : >"$dir/l/NTFILE"
{ drive_setting M "$dir/m" && drive_setting L "$dir/l" && printf 'OnlinefilDrive=M\r\n'; } >"$dir/config.kvs"
snapshot >"$work/before"
run "directory cannot be made" 1 LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'L:\NTFILE'
[ -s "$work/out" ] && fail "stop wrote to stdout"
printf '%s\n' "Klarer ikke å gå til onlinekatalog" "Onlinefilen ble IKKE laget ! / Rett feilen og prøv på nytt." |
    cmp -s - "$work/err" || fail "directory stop: stderr $(cat "$work/err")"
run "drive not mapped" 1 LAGRET.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'Q:\NTFILE'
grep -q '^ONLINEFIL-KATALOG / Q:\\NTFILE er ikke tilgjengelig' "$work/err" || fail "drive stop: $(cat "$work/err")"
run "unregistered after an old version" 1 GAMMEL.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'M:\NTFILE'
grep -qx 'Du kan ikke levere inn som uregistrert spiller / Hent navn og spillenummer i kundekartoteket.' "$work/err" ||
    fail "unregistered: $(cat "$work/err")"
run "missing storage file" 1 MANGLER.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'M:\NTFILE'
grep -q '^andelstipp-cli: Fant ikke det lagrede andelslaget MANGLER.TXT' "$work/err" || fail "missing file: $(cat "$work/err")"
run "missing storage path" 1 pul1lgr/MANGLER.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'M:\NTFILE'
grep -q '^andelstipp-cli: Fant ikke det lagrede andelslaget pul1lgr/MANGLER.TXT' "$work/err" || fail "missing path: $(cat "$work/err")"
run "a player number of five digits" 1 LAGRET.TXT --navn "Kari Nordmann" --spillenummer 12345 --katalog 'M:\NTFILE'
grep -qx 'Spillenummeret har 5 siffer, ikke 9. Lage onlinefilen likevel?' "$work/err" || fail "five digits: $(cat "$work/err")"
snapshot | cmp -s "$work/before" - || fail "a stop left files behind: $(snapshot | diff "$work/before" -)"

for args in "LAGRET.TXT --spillenummer 1 --katalog C:\\NTFILE" "LAGRET.TXT --navn x --katalog C:\\NTFILE" \
    "LAGRET.TXT --navn x --spillenummer 1" "LAGRET.TXT --navn x --spillenummer 1 --katalog C: --gangefelt 3" \
    "LAGRET.TXT --navn x --spillenummer 1 --katalog C: --uker 2" "--navn x --spillenummer 1 --katalog C:"; do
    # shellcheck disable=SC2086
    run "usage: $args" 2 $args
    grep -q '^andelstipp-cli: ' "$work/err" || fail "usage $args: $(cat "$work/err")"
done

finish "all make-online cli checks passed"
