# Shared by the andelstipp-cli test scripts: the tool's path, a scratch directory that is
# removed afterwards, and the failure count. Sourced with the tool's path as $1.
cli="$1"
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# store_syndicate PATH VERSION: a stored syndicate of five shares as the main window writes
# it (Windows-1252, CR LF), without an online file.
store_syndicate() {
    file="$1" version="$2"
    {
        printf '#LAGRINGSTIME\r\n2009.03.01.10:00:00\r\n#UKE\r\nUKE 10 -2009\r\n#ONLINESERIENUMMER\r\n\r\n'
        printf '#FORNAVN\r\nKari\r\n#ETTERNAVN\r\nNordmann\r\n#SPILLENUMMER\r\n123 456 789\r\n'
        printf '#TRIPPELTYPE\r\n12\r\n#LAGRINGSTYPE\r\nLAGER \r\n#KOMBINASJONER\r\n    9\r\n#REKKEANTALL\r\n 2916\r\n'
        printf '#VERSJON\r\n%s\r\n#REKKEPRIS\r\n1\r\n#SYSTEMFILNAVN\r\nTEST.TSY\r\n#SYSTEMNAVN\r\nMU 9-0-9\r\n' "$version"
        printf '#KUPONGTYPE\r\nL\330RDAG\r\n#SPILLTYPE\r\nORDIN\306R\r\n#STAMME\r\n446677777777\r\n'
        printf '#MARKERING\r\nSSSSSSSSMMMM\r\n#PRIORITET\r\n567891111234\r\n#UTGANG1\r\n000000000000\r\n'
        printf '#UTGANG2\r\n000000000000\r\n#ANTALLANDELER\r\n4\r\n#ONLINEFILPATHOGNAVN\r\n\r\n#ONLINEFILDATO\r\n\r\n'
        for i in 1 2 3 4 5 6 7 8 9 10; do printf '#UTVIDELSE\r\n\r\n'; done
        printf '#REKKER\r\n'
        for line in 446677774444 446677774222 446677774111 446677772421 446677772214 446677772142 \
            446677771412 446677771241 446677771124; do printf '%s\r\n' "$line"; done
    } >"$file"
}

# finish MESSAGE: the script's exit status from the failure count.
finish() {
    [ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
    echo "$1"
}
