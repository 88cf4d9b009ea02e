#!/bin/sh
# andelstipp-cli ntf --game and dump for the games besides TIPPING: each small rows file
# gives an online file whose every record dump verifies, with the game of each coupon.
# Usage: game_files_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"

mkdir -p "$work/dir/c/NTFILE"
drive_setting G "$work/dir/c" >"$work/dir/config.kvs"

# check_game GAME CODE RECORDS ROW-LINES...: the rows file, its online file, the dump.
check_game() {
    game="$1" code="$2" records="$3"
    shift 3
    { rows_file_header "$game.NTF" "$game" 'G:\NTFILE'; for line in "$@"; do printf '%s\r\n' "$line"; done; } >"$work/dir/$game.TMP"
    "$cli" --dir "$work/dir" ntf "$work/dir/$game.TMP" --game "$game" >"$work/out" 2>"$work/err" ||
        fail "$game: ntf failed: $(cat "$work/err")"
    [ -s "$work/err" ] && fail "$game: ntf reported: $(cat "$work/err")"
    "$cli" dump "$work/dir/c/NTFILE/$game.NTF" >"$work/out" 2>"$work/err" || fail "$game: dump failed: $(cat "$work/err")"
    [ "$(grep -c '^record [0-9]* check ok$' "$work/out")" -eq "$records" ] || fail "$game: not $records records ok"
    [ "$(grep -c "^record [0-9]* game $code $game\$" "$work/out")" -eq $((records - 1)) ] ||
        fail "$game: coupon records not named $code $game: $(grep game "$work/out")"
    [ "$(tail -1 "$work/out")" = "records $records" ] || fail "$game: last line $(tail -1 "$work/out")"
}

check_game LOTTO 81 2 '#REKKER' '03 07 12 18 24 29 33' '34 01 05 09 14 22 27'
check_game VIKING-LOTTO 75 2 '#REKKER' '05 11 19 27 36 48' '02 09 17 23 31 44'
check_game EXTRA 53 3 '#SYSTEMKUPONGER' '0008 02 07 11 15 22 28 31 35' '#ENKELREKKER' '0001 03 06 12 17 21 29 34'
check_game ODDSBOMBEN 38 4 '#SYSTEMKUPONGER' 'SYSTEMKUPONGNR 1' '0006 7344444412' '0006 4234721111' \
    'SYSTEMKUPONGNR 2' '0009 7744121244' '#ENKELREKKER' '0001 4412441244'
check_game ODDS 50 2 '#REKKER' '014 H 0050' '015 U 0020' '022 B 0100'
grep -qx 'H13  :000003' "$work/out" || fail "ODDS: H13 is not the three bets"
grep -qx 'H14  :000170' "$work/out" || fail "ODDS: H14 is not the stake"

# --list prints the window's record list for EXTRA, nothing for LOTTO.
"$cli" --dir "$work/dir" ntf "$work/dir/EXTRA.TMP" --game EXTRA --list >"$work/out" 2>"$work/err" || fail "EXTRA --list"
[ "$(head -1 "$work/out")" = "HEADER:" ] || fail "EXTRA --list: first line $(head -1 "$work/out")"
[ "$(sed -n 28p "$work/out")" = "FORTSETTER MED REKKENE" ] || fail "EXTRA --list: line 28 $(sed -n 28p "$work/out")"
[ "$(grep -c '^NESTE SYSTEMKUPONG:$' "$work/out")" -eq 1 ] || fail "EXTRA --list: not one system coupon"
[ "$(tail -1 "$work/out")" = "NESTE ENKELREKKEKUPONG:" ] || fail "EXTRA --list: last line $(tail -1 "$work/out")"
"$cli" --dir "$work/dir" ntf "$work/dir/LOTTO.TMP" --game LOTTO --list >"$work/out" 2>&1
[ -s "$work/out" ] && fail "LOTTO --list printed: $(head -2 "$work/out")"

# A rows file without a row to write is refused: exit 1, a message, nothing written.
{ rows_file_header TOM.NTF LOTTO; printf '#REKKER\r\n'; } >"$work/dir/TOM.TMP"
"$cli" --dir "$work/dir" ntf "$work/dir/TOM.TMP" --game LOTTO >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "empty LOTTO: not exit 1"
grep -q 'Onlinefilen er ikke laget' "$work/err" || fail "empty LOTTO: $(cat "$work/err")"
[ -e "$work/dir/c/NTFILE/TOM.NTF" ] && fail "empty LOTTO: a file was written"

"$cli" ntf "$work/dir/LOTTO.TMP" --game KENO >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "unknown game: not exit 2"
grep -q '^andelstipp-cli: .*KENO' "$work/err" || fail "unknown game: $(cat "$work/err")"

finish "all game file cli checks passed"
