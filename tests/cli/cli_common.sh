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

# finish MESSAGE: the script's exit status from the failure count.
finish() {
    [ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
    echo "$1"
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
