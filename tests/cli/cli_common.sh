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
