#!/bin/sh
# andelstipp-cli ntf and dump from outside: the default system's online file, its check,
# and the reports of bad files.
# Usage: online_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"


# expect_status NAME STATUS ARGS...: runs the tool into $work/out and $work/err.
expect_status() {
    name="$1" expected="$2"
    shift 2
    "$cli" "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected ($(cat "$work/err"))"
}

size_of() { wc -c <"$1" | tr -d ' '; }

# The intermediate rows file of the default system, in Windows-1252 with CR LF.
mkdir -p "$work/dir/n/NTFILE"
drive_setting N "$work/dir/n" >"$work/dir/config.kvs"
ntf_name=KRYSSEN_2916_Rekker_KARI_NORDMANN_Dato_07-03-2009_KL_09-05-03.NTF
{
    rows_file_header "$ntf_name" TIPPING 'N:\NTFILE'
    printf '#SYSTEMKUPONGER\r\n'
    "$cli" system 446677777777 | sed -n 's/^coupon [0-9] \(.*\)$/\1\r/p'
    printf '#ENKELREKKER\r\n'
} >"$work/dir/TPP.TMP"
[ "$(grep -c '^0324 ' "$work/dir/TPP.TMP")" -eq 9 ] || fail "setup: the system did not give nine coupon lines"

expect_status "ntf default destination" 0 --dir "$work/dir" ntf "$work/dir/TPP.TMP"
[ -s "$work/out" ] && fail "ntf wrote to stdout: $(cat "$work/out")"
[ -s "$work/err" ] && fail "ntf reported: $(cat "$work/err")"
[ "$(size_of "$work/dir/n/NTFILE/$ntf_name")" = 3500 ] || fail "ntf: online file is not 3500 bytes"
cmp -s "$work/dir/TT.TMP" "$work/dir/n/NTFILE/$ntf_name" || fail "ntf: TT.TMP and the copy differ"

expect_status "dump of the new file" 0 dump "$work/dir/n/NTFILE/$ntf_name"
printf '%s\n' "H1   :0000" "H2   :003" "H3   :Kari Nordmann       " >"$work/expected"
head -3 "$work/out" | cmp -s - "$work/expected" || fail "dump: header lines differ: $(head -3 "$work/out")"
grep -qx 'H12  :000009' "$work/out" || fail "dump: H12 is not the nine coupons"
grep -qx 'H24  :123456789' "$work/out" || fail "dump: H24 is not the player number"
[ "$(grep -c '^H' "$work/out")" -eq 26 ] || fail "dump: not 26 header lines"
[ "$(grep -c '^record [0-9]* check ok$' "$work/out")" -eq 10 ] || fail "dump: not ten records ok"
[ "$(tail -1 "$work/out")" = "records 10" ] || fail "dump: last line $(tail -1 "$work/out")"

expect_status "ntf --out" 0 --dir "$work/dir" ntf "$work/dir/TPP.TMP" --out "$work/copy.NTF"
cmp -s "$work/copy.NTF" "$work/dir/TT.TMP" || fail "ntf --out: copy differs"
expect_status "ntf --out in Windows form" 0 --dir "$work/dir" ntf "$work/dir/TPP.TMP" --out 'N:\NTFILE\ANNEN.NTF'
[ "$(size_of "$work/dir/n/NTFILE/ANNEN.NTF")" = 3500 ] || fail "ntf --out N: not written through the drive map"

# A damaged record is caught.
dd if="$work/copy.NTF" of="$work/damaged.NTF" bs=350 count=10 2>/dev/null
printf 'X' | dd of="$work/damaged.NTF" bs=1 seek=1000 conv=notrunc 2>/dev/null
expect_status "dump of a damaged file" 1 dump "$work/damaged.NTF"
grep -qx 'record 3 check bad' "$work/out" || fail "dump: damaged record 3 not bad"
[ "$(grep -c 'check ok$' "$work/out")" -eq 9 ] || fail "dump: the other records are not ok"

# Lengths that are not whole records, and an empty file.
{ cat "$work/copy.NTF"; printf x; } >"$work/long.NTF"
expect_status "dump of 3501 bytes" 1 dump "$work/long.NTF"
[ "$(tail -1 "$work/out")" = "records 10" ] || fail "dump 3501: last line $(tail -1 "$work/out")"
grep -q 350 "$work/err" || fail "dump 3501: length not reported"
: >"$work/empty.NTF"
expect_status "dump of an empty file" 1 dump "$work/empty.NTF"
[ "$(cat "$work/out")" = "records 0" ] || fail "dump empty: $(cat "$work/out")"
[ -s "$work/err" ] || fail "dump empty: nothing reported"
expect_status "dump of a missing file" 1 dump "$work/missing.NTF"
grep -q '^andelstipp-cli: ' "$work/err" || fail "dump missing: no error line"

# Numbers with zeros in front are written as their values: 10 weeks, a multiplier of 20.
sed -e '12s/^1\r$/010\r/' -e '14s/^1\r$/0020\r/' "$work/dir/TPP.TMP" >"$work/ZEROS.TMP"
grep -q '^0020' "$work/ZEROS.TMP" || fail "setup: the multiplier line was not changed"
expect_status "ntf of weeks 010 and multiplier 0020" 0 --dir "$work/dir" ntf "$work/ZEROS.TMP" --out "$work/zeros.NTF"
field() { dd if="$1" bs=1 skip=$(($2 - 1)) count="$3" 2>/dev/null; }
for record in 1 9; do
    at=$((record * 350))
    [ "$(field "$work/zeros.NTF" $((at + 11)) 2)" = 10 ] || fail "weeks of coupon $record: $(field "$work/zeros.NTF" $((at + 11)) 2)"
    [ "$(field "$work/zeros.NTF" $((at + 19)) 3)" = 020 ] || fail "multiplier of coupon $record: $(field "$work/zeros.NTF" $((at + 19)) 3)"
done
expect_status "dump of the file with zeros" 0 dump "$work/zeros.NTF"
# Weeks that are no number are never passed over in silence.
sed -e '12s/^1\r$/1O\r/' "$work/dir/TPP.TMP" >"$work/LETTER.TMP"
"$cli" --dir "$work/dir" ntf "$work/LETTER.TMP" --out "$work/letter.NTF" >"$work/out" 2>"$work/err"
grep -q 'Antall uker og gangefelt m. v.re tall' "$work/err" || fail "weeks 1O: $(cat "$work/err")"

# A stake that does not fit the header's six digits is refused, nothing written.
{
    rows_file_header ODDS.NTF ODDS 'N:\NTFILE'
    printf '#REKKER\r\n'
    i=0
    while [ $i -lt 101 ]; do printf '014 H 9999\r\n'; i=$((i + 1)); done
} >"$work/ODDS.TMP"
expect_status "ntf of a stake too large" 1 --dir "$work/dir" ntf "$work/ODDS.TMP" --game ODDS
grep -q 'Innsatsen 1.009.899 er for stor for onlinefilen (h.*yst 999.999)' "$work/err" ||
    fail "ntf stake: $(cat "$work/err")"
[ -e "$work/dir/n/NTFILE/ODDS.NTF" ] && fail "ntf stake: the online file was written"

# Every line left out is named on stderr, more than a message box shows; the file is written.
{
    rows_file_header LOTTO.NTF LOTTO 'N:\NTFILE'
    printf '#REKKER\r\n03 07 12 18 24 29 33\r\n'
    i=0
    while [ $i -lt 7 ]; do printf 'x\r\n'; i=$((i + 1)); done
} >"$work/LOTTO.TMP"
expect_status "ntf with bad lines" 0 --dir "$work/dir" ntf "$work/LOTTO.TMP" --game LOTTO
for line in 35 36 37 38 39 40 41; do
    grep -q "Linje $line: feil lengde" "$work/err" || fail "ntf bad lines: line $line not named: $(cat "$work/err")"
done
[ "$(size_of "$work/dir/n/NTFILE/LOTTO.NTF")" = 700 ] || fail "ntf bad lines: the good row was not written"

# The conversion's failures.
expect_status "ntf without input" 1 --dir "$work/dir" ntf "$work/dir/MANGLER.TMP"
grep -qx 'Fant ikke tippefilen' "$work/err" || fail "ntf without input: $(cat "$work/err")"
rm -rf "$work/dir/n/NTFILE"
rm -f "$work/dir/TT.TMP"
expect_status "ntf to a missing directory" 1 --dir "$work/dir" ntf "$work/dir/TPP.TMP"
grep -q '^andelstipp-cli: ' "$work/err" || fail "ntf missing directory: no error line"
[ "$(size_of "$work/dir/TT.TMP")" = 3500 ] || fail "ntf missing directory: TT.TMP does not stay"

expect_status "ntf without file" 2 ntf
expect_status "dump with two files" 2 dump a b
expect_status "ntf unknown option" 2 ntf "$work/dir/TPP.TMP" --bogus x

finish "all online cli checks passed"
