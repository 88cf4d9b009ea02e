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

# rows_file_header NTFNAME GAME: the 13 key and value lines of an intermediate rows file
# (Kari Nordmann, player 123456789, serial 1234, destination C:\NTFILE) and the six empty
# lines after them, in Windows-1252 with CR LF.
rows_file_header() {
    printf '#OLINEFILNAVN\r\n%s\r\n#ONLINEFILKATALOG\r\nC:\\NTFILE\r\n' "$1"
    printf '#NAVN\r\nKari Nordmann\r\n#SPILLENUMMER\r\n123456789\r\n#SPILL\r\n%s\r\n' "$2"
    printf '#ANTALLUKER\r\n1\r\n#GANGEFELT\r\n1\r\n#KUPONGTYPE\r\nL\330RDAG\r\n#PAUSE\r\nNORMAL\r\n'
    printf '#REKKEPRIS\r\n1\r\n#MERKFIL\r\n1\r\n#FRIDISPOSISJONHEADER\r\n1234\r\n#REKKEANTALLIALT\r\n000000\r\n'
    printf '\r\n\r\n\r\n\r\n\r\n\r\n'
}

# finish MESSAGE: the script's exit status from the failure count.
finish() {
    [ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
    echo "$1"
}
