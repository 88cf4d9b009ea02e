#!/bin/sh
# andelstipp-cli certificates from outside: a PDF page per print job of a stored syndicate,
# the refusals that write nothing, and bad arguments.
# Usage: certificates_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/pul1lgr"


# run NAME STATUS ARGS...: runs certificates into $work/out and $work/err.
run() {
    name="$1" expected="$2"
    shift 2
    "$cli" --dir "$dir" certificates "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected ($(cat "$work/err"))"
}

# The Windows build of the tool has no Qt to paint with: it points to the desktop program,
# writes nothing and fails; its usage still answers.
if [ -n "$ANDEL_WINDOWS_CLI" ]; then
    run "Windows build" 1 LAGRET.TXT --pdf "$work/out.pdf"
    grep -q '^andelstipp-cli: certificates needs the desktop program' "$work/err" || fail "Windows: $(cat "$work/err")"
    [ -e "$work/out.pdf" ] && fail "Windows: a PDF was written"
    "$cli" certificates --help | grep -q '^Usage: andelstipp-cli certificates' || fail "Windows: no usage"
    finish "the Windows build of certificates points to the desktop program"
    exit 0
fi

# pages FILE: the number of pages of a PDF.
pages() { grep -ac '/Type /Page$' "$1"; }

# A storage file as the main window writes it (Windows-1252, CR LF): version, serial
# number, online file and the index of the share selector.
store() {
    file="$1" version="$2" serial="$3" online="$4" shares="$5"
    {
        printf '#LAGRINGSTIME\r\n2009.03.01.10:00:00\r\n#UKE\r\nUKE 10 -2009\r\n#ONLINESERIENUMMER\r\n%s\r\n' "$serial"
        printf '#FORNAVN\r\nKari\r\n#ETTERNAVN\r\nNordmann\r\n#SPILLENUMMER\r\n123 456 789\r\n'
        printf '#TRIPPELTYPE\r\n12\r\n#LAGRINGSTYPE\r\nONLINE\r\n#KOMBINASJONER\r\n    9\r\n#REKKEANTALL\r\n 2916\r\n'
        printf '#VERSJON\r\n%s\r\n#REKKEPRIS\r\n1\r\n#SYSTEMFILNAVN\r\nTEST.TSY\r\n#SYSTEMNAVN\r\nMU 9-0-9\r\n' "$version"
        printf '#KUPONGTYPE\r\nL\330RDAG\r\n#SPILLTYPE\r\nORDIN\306R\r\n#STAMME\r\n446677777777\r\n'
        printf '#MARKERING\r\nSSSSSSSSMMMM\r\n#PRIORITET\r\n567891111234\r\n#UTGANG1\r\n000000000000\r\n'
        printf '#UTGANG2\r\n000000000000\r\n#ANTALLANDELER\r\n%s\r\n#ONLINEFILPATHOGNAVN\r\n%s\r\n' "$shares" "$online"
        printf '#ONLINEFILDATO\r\nDato 01.03.2009  Kl 10:00:00\r\n'
        for i in 1 2 3 4 5 6 7 8 9 10; do printf '#UTVIDELSE\r\n\r\n'; done
        printf '#REKKER\r\n'
        for line in 446677774444 446677774222 446677774111 446677772421 446677772214 446677772142 \
            446677771412 446677771241 446677771124; do printf '%s\r\n' "$line"; done
    } >"$dir/pul1lgr/$file"
}
online='C:\NTFILE\KRYSSEN_1042.NTF'
store FEM.TXT 07.OKT-2008 1042 "$online" 4
store MANGE.TXT 07.OKT-2008 1042 "$online" 45
store UTEN.TXT 07.OKT-2008 "" "" 4
store GAMMEL.TXT 01.JAN-2005 1042 "$online" 4

run "five shares" 0 FEM.TXT --pdf "$work/fem.pdf"
head -c 5 "$work/fem.pdf" | grep -q '%PDF-' || fail "five shares: not a PDF"
[ "$(pages "$work/fem.pdf")" -eq 6 ] || fail "five shares: $(pages "$work/fem.pdf") pages, not 6"
[ -s "$work/out" ] || [ -s "$work/err" ] && fail "five shares: output $(cat "$work/out" "$work/err")"

run "46 shares with every choice" 0 MANGE.TXT --pdf "$work/mange.pdf" --margin 0 --juster 1 --spar-gulfarge
[ "$(pages "$work/mange.pdf")" -eq 49 ] || fail "46 shares: $(pages "$work/mange.pdf") pages, not 46 + 1 + 2"

run "no online file" 1 UTEN.TXT --pdf "$work/uten.pdf"
[ "$(cat "$work/err")" = "Du må først lage onlinefil" ] || fail "no online file: stderr $(cat "$work/err")"
[ -e "$work/uten.pdf" ] && fail "no online file: a PDF was written"

run "unregistered after an old version" 1 GAMMEL.TXT --pdf "$work/gammel.pdf"
[ "$(tail -1 "$work/err")" = "Du kan ikke lage Andelsbrev / som uregistrert spiller" ] ||
    fail "unregistered: stderr $(cat "$work/err")"
[ -e "$work/gammel.pdf" ] && fail "unregistered: a PDF was written"

run "missing storage file" 1 FINNESIKKE.TXT --pdf "$work/x.pdf"
[ -e "$work/x.pdf" ] && fail "missing storage file: a PDF was written"

run "unwritable PDF" 1 FEM.TXT --pdf "$work/finnes/ikke/x.pdf"
grep -q '^andelstipp-cli: ' "$work/err" || fail "unwritable PDF: stderr $(cat "$work/err")"

for args in "FEM.TXT" "FEM.TXT --pdf $work/a.pdf --margin 21" "FEM.TXT --pdf $work/a.pdf --juster 2" \
    "FEM.TXT --pdf $work/a.pdf --margin x" "--pdf $work/a.pdf"; do
    # shellcheck disable=SC2086
    run "usage: $args" 2 $args
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^andelstipp-cli: ' "$work/err" || fail "usage $args: $(cat "$work/err")"
    [ -e "$work/a.pdf" ] && fail "usage $args: a PDF was written"
done

finish "certificates cli: all passed"
