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

# rows_file_header NTFNAME GAME [DIRECTORY]: the 13 key and value lines of an intermediate
# rows file (Kari Nordmann, player 123456789, serial 1234, destination DIRECTORY, by default
# C:\NTFILE) and the six empty lines after them, in Windows-1252 with CR LF.
rows_file_header() {
    printf '#OLINEFILNAVN\r\n%s\r\n#ONLINEFILKATALOG\r\n%s\r\n' "$1" "${3:-C:\\NTFILE}"
    printf '#NAVN\r\nKari Nordmann\r\n#SPILLENUMMER\r\n123456789\r\n#SPILL\r\n%s\r\n' "$2"
    printf '#ANTALLUKER\r\n1\r\n#GANGEFELT\r\n1\r\n#KUPONGTYPE\r\nL\330RDAG\r\n#PAUSE\r\nNORMAL\r\n'
    printf '#REKKEPRIS\r\n1\r\n#MERKFIL\r\n1\r\n#FRIDISPOSISJONHEADER\r\n1234\r\n#REKKEANTALLIALT\r\n000000\r\n'
    printf '\r\n\r\n\r\n\r\n\r\n\r\n'
}

# run NAME STATUS ARGS...: runs the tool in the working directory $dir into $work/out and
# $work/err and fails NAME unless it exits with STATUS. Scripts with other needs define their own.
run() {
    name="$1" expected="$2"
    shift 2
    "$cli" --dir "$dir" "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$name: exit $status, not $expected ($(cat "$work/err"))"
}

# finish MESSAGE: the script's exit status from the failure count.
finish() {
    [ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
    echo "$1"
}

# stored_syndicate FILE [VERSION [SERIAL [ONLINE [SHARES]]]]: a storage file as the main
# window writes it (Windows-1252, CR LF), by default of the current version, with no
# online file and the share selector's index 4.
stored_syndicate() {
    _serial="${3-}" _online="${4-}"
    _mode='LAGER ' _date=''
    [ -n "$_serial" ] && _mode=ONLINE
    [ -n "$_online" ] && _date='Dato 01.03.2009  Kl 10:00:00'
    {
        printf '#LAGRINGSTIME\r\n2009.03.01.10:00:00\r\n#UKE\r\nUKE 10 -2009\r\n#ONLINESERIENUMMER\r\n%s\r\n' "$_serial"
        printf '#FORNAVN\r\nKari\r\n#ETTERNAVN\r\nNordmann\r\n#SPILLENUMMER\r\n123 456 789\r\n'
        printf '#TRIPPELTYPE\r\n12\r\n#LAGRINGSTYPE\r\n%s\r\n#KOMBINASJONER\r\n    9\r\n#REKKEANTALL\r\n 2916\r\n' "$_mode"
        printf '#VERSJON\r\n%s\r\n#REKKEPRIS\r\n1\r\n#SYSTEMFILNAVN\r\nTEST.TSY\r\n#SYSTEMNAVN\r\nMU 9-0-9\r\n' \
            "${2:-07.OKT-2008}"
        printf '#KUPONGTYPE\r\nL\330RDAG\r\n#SPILLTYPE\r\nORDIN\306R\r\n#STAMME\r\n446677777777\r\n'
        printf '#MARKERING\r\nSSSSSSSSMMMM\r\n#PRIORITET\r\n567891111234\r\n#UTGANG1\r\n000000000000\r\n'
        printf '#UTGANG2\r\n000000000000\r\n#ANTALLANDELER\r\n%s\r\n#ONLINEFILPATHOGNAVN\r\n%s\r\n' "${5:-4}" "$_online"
        printf '#ONLINEFILDATO\r\n%s\r\n' "$_date"
        for i in 1 2 3 4 5 6 7 8 9 10; do printf '#UTVIDELSE\r\n\r\n'; done
        printf '#REKKER\r\n'
        for line in 446677774444 446677774222 446677774111 446677772421 446677772214 446677772142 \
            446677771412 446677771241 446677771124; do printf '%s\r\n' "$line"; done
    } >"$1"
}

# drive_setting LETTER DIR: makes the tool's drive LETTER stand for DIR and prints what
# config.kvs needs for it. On Linux that is the setting DRIVE_<LETTER>; the Windows tool
# under Wine (ANDEL_WINDOWS_CLI) takes real drives only, so the letter becomes a drive of
# its private Wine prefix and nothing is printed. Each script uses letters of its own, as
# the scripts may run at the same time.
drive_setting() {
    if [ -n "$ANDEL_WINDOWS_CLI" ]; then
        link="$WINEPREFIX/dosdevices/$(printf '%s' "$1" | tr 'A-Z' 'a-z'):"
        ln -sfn "$2" "$link"
        drive_links="$drive_links $link"
        trap 'rm -rf "$work"; rm -f $drive_links' EXIT
    else
        printf 'DRIVE_%s=%s\r\n' "$1" "$2"
    fi
}
