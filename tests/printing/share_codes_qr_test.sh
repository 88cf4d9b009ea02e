#!/bin/sh
# Every share certificate and every receipt (A4 and slip) of the demo syndicates carries its
# share's code as a QR code that a scanner reads back: printed to PDF with andelstipp-cli,
# rendered with pdftoppm, decoded with zbarimg, and each code looked up again with
# `andelstipp-cli share`, which must name that syndicate and that certificate's share.
# Usage: share_codes_qr_test.sh PATH-TO-andelstipp-cli PATH-TO-andelstipp-demo
cli="$1" demo_maker="$2"
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for tool in pdftoppm zbarimg; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (poppler-utils, zbar-tools)"; exit 1; }
done

demo="$work/demo"
"$demo_maker" "$demo" >/dev/null 2>&1 || { echo "FAIL: andelstipp-demo"; exit 1; }
syndicates=0 certificates=0
for stored in "$demo"/pul1lgr/*; do
    name=$(basename "$stored")
    "$cli" --dir "$demo" certificates "$name" --pdf "$work/c.pdf" >/dev/null 2>"$work/err" || continue
    syndicates=$((syndicates + 1))
    rm -f "$work"/page-*.png
    pdftoppm -r 150 -png "$work/c.pdf" "$work/page"
    page=0 serial="" shares=""
    for png in $(ls "$work"/page-*.png | sort -V); do
        page=$((page + 1))
        code=$(zbarimg -q --raw "$png" 2>/dev/null)
        if [ -n "$shares" ] && [ "$page" -gt "$shares" ]; then
            [ -z "$code" ] || fail "$name page $page (no certificate) has a code: $code"
            continue
        fi
        [ "$(printf '%s\n' "$code" | grep -c .)" -eq 1 ] || { fail "$name page $page: decoded '$code'"; continue; }
        "$cli" --dir "$demo" share "$code" >"$work/share" 2>"$work/err" || { fail "$name page $page: share $code: $(cat "$work/err")"; continue; }
        got_share=$(sed -n 's/^share\t\([0-9]*\)\t\([0-9]*\)$/\1/p' "$work/share")
        got_serial=$(sed -n 's/^serial\t//p' "$work/share")
        [ -n "$shares" ] || shares=$(sed -n 's/^share\t[0-9]*\t\([0-9]*\)$/\1/p' "$work/share")
        [ -n "$serial" ] || serial=$got_serial
        [ "$got_share" = "$page" ] || fail "$name page $page: the code $code names share $got_share"
        [ "$got_serial" = "$serial" ] || fail "$name page $page: the code $code names serial $got_serial, not $serial"
        certificates=$((certificates + 1))
    done
    [ -n "$shares" ] && [ "$page" -gt "$shares" ] || fail "$name: $page pages for $shares shares"
done
# The receipts of every paid share, on A4 (three to a page) and as slips: each share's code
# decodes once, in the order the shares were given.
receipts=0
for serial in $("$cli" --dir "$demo" ledger list | cut -f1); do
    sold=$("$cli" --dir "$demo" ledger show "$serial" | awk -F '\t' 'NF > 4 && $2 != "" && $5 != "" { print $1 }' | paste -sd, -)
    [ -n "$sold" ] || continue
    for kind in a4 slip; do
        flag=""
        [ "$kind" = slip ] && flag=--slip
        "$cli" --dir "$demo" receipt "$serial" "$sold" --pdf "$work/r.pdf" $flag 2>"$work/err" ||
            { fail "receipt $serial $sold: $(cat "$work/err")"; continue; }
        rm -f "$work"/receipt-*.png
        pdftoppm -r 150 -png "$work/r.pdf" "$work/receipt"
        decoded=""
        for png in $(ls "$work"/receipt-*.png | sort -V); do
            # zbarimg lists a page's symbols bottom first: sorted by share, as the slips are.
            for code in $(zbarimg -q --raw "$png" 2>/dev/null | sort); do
                share=$("$cli" --dir "$demo" share "$code" 2>/dev/null | sed -n 's/^share\t\([0-9]*\)\t.*/\1/p')
                got_serial=$("$cli" --dir "$demo" share "$code" 2>/dev/null | sed -n 's/^serial\t//p')
                [ "$got_serial" = "$serial" ] || fail "$kind receipt of $serial: code $code names serial '$got_serial'"
                decoded="$decoded${decoded:+,}$share"
                receipts=$((receipts + 1))
            done
        done
        [ "$(printf '%s' "$decoded" | tr , '\n' | sort -n | paste -sd, -)" = "$sold" ] ||
            fail "$kind receipts of $serial decode to shares $decoded, not $sold"
    done
done
[ "$receipts" -gt 0 ] || fail "no receipt decoded"

# Every syndicate with a ledger has an online file, so prints its certificates.
ledgers=$("$cli" --dir "$demo" ledger list | grep -c .)
[ "$syndicates" -gt 0 ] && [ "$syndicates" -eq "$ledgers" ] || fail "$syndicates syndicates printed, $ledgers ledgers"
[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "$certificates certificates of $syndicates demo syndicates and $receipts receipts decode to their shares"
