#!/bin/sh
# andelstipp-cli.exe under Wine as if it were the Linux tool: the test scripts call this
# in its place (ANDEL_WINDOWS_CLI names the .exe).
exec "$(dirname "$0")/wine-run.sh" "$ANDEL_WINDOWS_CLI" "$@"
