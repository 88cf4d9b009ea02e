#!/bin/sh
# andelstipp-cli share CODE from outside: the facts of the share a code names, the code's
# check digits worked out here on their own (ISO 7064 MOD 97-10 over serial, share, week
# and year), and the refusals of codes that are not a share's.
# Usage: share_cli_test.sh PATH-TO-andelstipp-cli
. "$(dirname "$0")/cli_common.sh"
dir="$work/dir"
mkdir -p "$dir/s" "$dir/pul1lgr"
drive_setting S "$dir/s" >"$dir/config.kvs"

# code SERIAL SHARE WEEK YEAR
code() {
    printf '%s%03d%02d%04d\n' "$1" "$2" "$3" "$4" |
        awk '{ r = 0; for (i = 1; i <= length($0); i++) r = (r * 10 + substr($0, i, 1)) % 97;
               printf "AN%s%02d\n", substr($0, 1, 7), 98 - (r * 100) % 97 }'
}
# fact KEY: the line of that key in the last output, its fields joined by "|".
fact() { grep "^$1	" "$work/out" | tr '\t' '|'; }

stored_syndicate "$dir/pul1lgr/UKE10.TXT"
run "make-online" 0 make-online UKE10.TXT --navn "Kari Nordmann" --spillenummer 123456789 --katalog 'S:\NTFILE'
run "sell share 2" 0 ledger set 1000 2 --navn "Åse Ødegård" --telefon 91234567
today=$(date +%d.%m.%Y)
run "pay share 2" 0 ledger pay 1000 2 --dato "$today"

c2=$(code 1000 2 10 2009)
run "share $c2" 0 share "$c2"
[ "$(fact code)" = "code|$c2" ] || fail "code: $(fact code)"
[ "$(fact share)" = "share|2|5" ] || fail "share: $(fact share)"
[ "$(fact buyer)" = "buyer|Åse Ødegård|91234567|" ] || fail "buyer: $(fact buyer)"
[ "$(fact paid)" = "paid|$(fact price | cut -d'|' -f2)|$today" ] || fail "paid: $(fact paid)"
[ "$(fact state)" = "state|open" ] || fail "state: $(fact state)"
[ "$(fact voided)" = "voided|no" ] || fail "voided: $(fact voided)"
[ "$(fact next)" = "next|none" ] || fail "next: $(fact next)"
[ -s "$work/err" ] && fail "share printed on stderr: $(cat "$work/err")"

# As a person types it off the paper: small letters and blanks.
spaced=$(printf '%s' "$c2" | sed 's/^AN\(....\)\(...\)\(..\)$/an \1 \2 \3/')
run "share spaced" 0 share "$spaced"
[ "$(fact code)" = "code|$c2" ] || fail "spaced code: $(fact code)"

# An unpaid sold share is to be paid next.
run "sell share 1" 0 ledger set 1000 1 --navn "Ola Hansen"
run "share 1" 0 share "$(code 1000 1 10 2009)"
[ "$(fact next)" = "next|pay" ] || fail "share 1 next: $(fact next)"

# A digit wrong, another week's code, a serial without a ledger, no code at all.
typo=$(printf '%s' "$c2" | sed 's/^\(AN1000\)0/\11/')
for bad in "$typo" "$(code 1000 2 11 2009)" "$(code 4321 1 10 2009)" "hansen" ""; do
    run "share '$bad'" 1 share "$bad"
    [ -s "$work/out" ] && fail "share '$bad' printed facts"
    grep -q 'andelskode\|stemmer ikke\|har ikke noe andelsregnskap' "$work/err" ||
        fail "share '$bad': $(cat "$work/err")"
done
run "share without code" 2 share

# A voided syndicate's share is shown, and said to be voided.
run "void" 0 ledger void 1000 --grunn "laget på nytt"
run "share voided" 0 share "$c2"
[ "$(fact state)" = "state|voided" ] || fail "voided state: $(fact state)"
fact voided | grep -q '^voided|..\...\.....|laget på nytt$' || fail "voided: $(fact voided)"
grep -q 'er annullert' "$work/err" || fail "voided message: $(cat "$work/err")"
finish "share CODE: facts, next step, refusals and the voided syndicate"
