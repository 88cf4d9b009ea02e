#!/bin/sh
# andelstipp-cli register and storage: output, exit status and error lines.
# Usage: register_storage_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir"


# check NAME STATUS EXPECTED-STDOUT ARGS...: the exit status and stdout exactly.
check() {
    name="$1" status="$2" expected="$3"
    shift 3
    "$cli" --dir "$dir" "$@" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit $got, not $status ($(cat "$work/err"))"
    if [ -n "$expected" ]; then
        printf '%s\n' "$expected" | cmp -s - "$work/out" || {
            fail "$name: stdout differs"
            printf '%s\n' "$expected" | diff - "$work/out"
        }
    fi
}

# usage NAME ARGS...: exit 2, one stderr line with the prefix, nothing on stdout.
usage() {
    name="$1"
    shift
    check "$name" 2 "" "$@"
    [ -s "$work/out" ] && fail "$name: wrote to stdout"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^andelstipp-cli: ' "$work/err" || fail "$name: stderr $(cat "$work/err")"
}

check "empty register" 0 "||||||||" register list
check "add Kari" 0 "" register add --fornavn Kari --etternavn Nordmann --spillenummer "123 456 789" \
    --dato 07.03.2009 --telefon1 55314207 --fax 55314208 --annen Kiosk
check "add Ola" 0 "" register add --fornavn Ola --etternavn aasen --spillenummer 12345 --dato 28.12.2003
check "list by last name" 0 " aasen| Ola| 000 012 345| 28/12-2003| 000-00000| 000-00000| 000-00000| 000-00000| 
 Nordmann| Kari| 123 456 789| 07/03-2009| 553-14207| 000-00000| 553-14208| 553-14208| Kiosk" register list
check "list by date" 0 " 28/12-2003| aasen| Ola| 000 012 345| 000-00000| 000-00000| 000-00000| 000-00000| 
 07/03-2009| Nordmann| Kari| 123 456 789| 553-14207| 000-00000| 553-14208| 553-14208| Kiosk" register list --sort 4
tr -d '\r' <"$dir/config.kvs" | grep -qx 'QtomSortkriterie=4' || fail "explicit --sort not stored"
check "stored criterion is the default" 0 "" register list
head -c 12 "$work/out" | grep -q '28/12-2003' || fail "default criterion not taken from the settings"
check "delete row 2 by first name" 0 "" register delete 2 --sort 2
check "one left" 0 " Kari| Nordmann| 123 456 789| 07/03-2009| 553-14207| 000-00000| 553-14208| 553-14208| Kiosk" register list
[ "$(wc -c <"$dir/WTOM.KVS")" -eq 103 ] || fail "WTOM.KVS is not one record"
usage "row out of range" register delete 2
usage "row not a number" register delete x
usage "sort 5" register list --sort 5
usage "no first name" register add --etternavn Hansen
usage "date form" register add --fornavn A --dato 2009-03-07
usage "option of another verb" register list --annen x
usage "unknown verb" register sort

# Values the record cannot hold unchanged are refused, and nothing is written.
before=$(od -An -tx1 "$dir/WTOM.KVS")
refused() {
    name="$1" message="$2"
    shift 2
    usage "$name" register add --fornavn Per "$@"
    [ "$(cat "$work/err")" = "andelstipp-cli: $message" ] || fail "$name: stderr $(cat "$work/err")"
    [ "$(od -An -tx1 "$dir/WTOM.KVS")" = "$before" ] || fail "$name: WTOM.KVS changed"
}
cr=$(printf '\r')
refused "CR in a name" "Etternavn kan ikke inneholde linjeskift eller andre kontrolltegn." --etternavn "Nord${cr}X"
refused "LF in other information" "Annen identifikasjon kan ikke inneholde linjeskift eller andre kontrolltegn." \
    --annen "$(printf 'a\nb')"
refused "player number of eleven digits" \
    "Spillenummer 12345678901 har for mange siffer: høyst 9." --spillenummer 12345678901
refused "player number of ten digits" "Spillenummer 4000000001 har for mange siffer: høyst 9." --spillenummer 4000000001
refused "first name too long" "Fornavn er for langt: kundekartoteket har plass til 12 tegn." --fornavn Fridtjof-Helm
refused "13-digit telephone" \
    "Telefon privat 1234567890123 er for stort. Kundekartoteket har plass til høyst 4294967295." --telefon1 1234567890123
refused "99.99.9999" "Reg. dato spillekort 99.99.9999 finnes ikke." --dato 99.99.9999
refused "31.02.2020" "Reg. dato spillekort 31.02.2020 finnes ikke." --dato 31.02.2020
refused "letters in a number" 'Telefax kan bare inneholde sifre: "55 31 tlf"' --fax "55 31 tlf"
refused "first name of 13 letters behind blanks" "Fornavn er for langt: kundekartoteket har plass til 12 tegn." \
    --fornavn "  Kristoffersen"

# What was checked is what is stored: names lose the blanks around them, never a letter.
saved="$work/saved.KVS"
cp "$dir/WTOM.KVS" "$saved"
check "add a name of 11 letters behind blanks" 0 "" register add --fornavn "  Kristoffers" --etternavn " Holm-Hansen "
check "the whole name stored" 0 "" register list --sort 1
head -1 "$work/out" | grep -q '^ Holm-Hansen| Kristoffers|' || fail "stored name: $(head -1 "$work/out")"
cp "$saved" "$dir/WTOM.KVS"

# A path longer than the system allows is an error, not an empty register (the register
# loader says the same of its own path; the tool finds it first at --dir).
# Windows takes a longer path and finds no such directory there.
if [ -z "$ANDEL_WINDOWS_CLI" ]; then
    long="$work/$(printf 'k%.0s' $(seq 300))"
    "$cli" --dir "$long" register list >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "long path: exit $status, not 1"
    [ -s "$work/out" ] && fail "long path: an empty register was listed"
    [ "$(cat "$work/err")" = "andelstipp-cli: --dir $long: File name too long" ] ||
        fail "long path: stderr $(cat "$work/err")"
fi

# A storage file as the main window writes it: Windows-1252, CR LF.
store() {
    file="$1" when="$2" first="$3" rows="$4" version="$5"
    {
        printf '#LAGRINGSTIME\r\n%s\r\n#UKE\r\nUKE 05 -2000\r\n#ONLINESERIENUMMER\r\n1234\r\n' "$when"
        printf '#FORNAVN\r\n%s\r\n#ETTERNAVN\r\nNordmann\r\n#SPILLENUMMER\r\n123 456 789\r\n' "$first"
        printf '#TRIPPELTYPE\r\n12\r\n#LAGRINGSTYPE\r\nONLINE\r\n#KOMBINASJONER\r\n    9\r\n#REKKEANTALL\r\n%5s\r\n' "$rows"
        printf '#VERSJON\r\n%s\r\n#REKKEPRIS\r\n1\r\n#SYSTEMFILNAVN\r\nTEST.TSY\r\n#SYSTEMNAVN\r\nMU 9-0-9\r\n' "$version"
        printf '#KUPONGTYPE\r\nL\330RDAG\r\n#SPILLTYPE\r\nORDIN\306R\r\n#STAMME\r\n446677777777\r\n'
        printf '#MARKERING\r\nSSSSSSSSMMMM\r\n#PRIORITET\r\n567891111234\r\n#UTGANG1\r\n000000000000\r\n'
        printf '#UTGANG2\r\n000000000000\r\n#ANTALLANDELER\r\n4\r\n#ONLINEFILPATHOGNAVN\r\nC:\\NTFILE\\KRYSSEN.NTF\r\n'
        printf '#ONLINEFILDATO\r\nDato 07.03.2009  Kl 09:05:03\r\n'
        for i in 1 2 3 4 5 6 7 8 9 10; do printf '#UTVIDELSE\r\n\r\n'; done
        printf '#REKKER\r\n446677774444\r\n446677774222\r\n4466777\r\n'
    } >"$dir/pul1lgr/$file"
}
mkdir -p "$dir/pul1lgr"
store DATO-30092008-120000.TXT 2008.09.30.12:00:00 Kari 2916 07.OKT-2008
store dato-07102008-090503.txt 2008.10.07.09:05:03 Ola 216 01.JAN-2005
check "storage list newest first" 0 "|Ola|Nordmann|LØRDAG|UKE 05 -2000|ORDINÆR|ONLINE|  216|123 456 789|1234|dato-07102008-090503.txt|2008.10.07.09:05:03
|Kari|Nordmann|LØRDAG|UKE 05 -2000|ORDINÆR|ONLINE| 2916|123 456 789|1234|DATO-30092008-120000.TXT|2008.09.30.12:00:00" storage list
# The short third line fills rows 1-7; the rest of the column keeps what it held.
check "storage show" 0 "uke UKE 05 -2000
kupongtype LØRDAG
spilltype ORDINÆR
fornavn Kari
etternavn Nordmann
spillenummer 123 456 789
andeler 5
stamme 446677777777
markering SSSSSSSSMMMM
prioritet 567891111234
serienummer 1234
onlinefil C:\\NTFILE\\KRYSSEN.NTF
onlinefildato Dato 07.03.2009  Kl 09:05:03
coupon 1 446677774444
coupon 2 446677774222
coupon 3 446677774111" storage show DATO-30092008-120000.TXT
[ "$(cat "$work/err")" = "feil ved innlesning av lagrede rekker" ] || fail "short line not reported: $(cat "$work/err")"
check "storage show, old version" 0 "" storage show dato-07102008-090503.txt
grep -qx 'spillenummer UREGISTRERT' "$work/out" || fail "old version keeps the player number"
grep -qx 'onlinefil C:\\NTFILE\\KRYSSEN.NTFX' "$work/out" || fail "old version keeps the online file"
grep -q "^Ola Nordmann / 123 456 789 /  / P.G.A konflikt" "$work/err" || fail "no version message: $(cat "$work/err")"
check "storage show, missing file" 1 "" storage show DATO-01012000-000000.TXT
[ "$(cat "$work/err")" = "klarte ikke å lese inn rekkene" ] || fail "missing file: $(cat "$work/err")"
usage "unknown source" storage list --source nett
usage "show without file" storage show

finish "all register and storage cli checks passed"
