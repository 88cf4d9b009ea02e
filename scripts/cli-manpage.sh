#!/bin/sh
# Writes the man page of andelstipp-cli from its --help (troff, section 1).
# Usage: cli-manpage.sh PATH-TO-andelstipp-cli OUT.1
set -e
cli="$1" out="$2"
"$cli" --help >"$out.help"
{
  printf '.TH ANDELSTIPP-CLI 1 "" "andelstipp" "User Commands"\n'
  printf '.SH NAME\nandelstipp-cli \\- the syndicate module'"'"'s rules for scripts and support, without windows\n'
  printf '.SH SYNOPSIS\n.B andelstipp-cli\n[\\fB\\-\\-dir\\fR \\fIDIR\\fR] \\fISUBCOMMAND\\fR [\\fIARGUMENTS\\fR]\n'
  printf '.SH DESCRIPTION\nRuns the same rules as the desktop program \\fBandelstipp\\fR on the files of a\n'
  printf 'working directory. Exit status 0 on success, 1 on a file error, 2 on bad arguments;\n'
  printf 'messages the windows would show are printed on standard error.\n'
  printf '.SH SUBCOMMANDS\n'
  # The usage blocks: the first line of each becomes a tagged paragraph, the rest its text.
  sed -e '1,/^$/d' -e 's/\\/\\e/g' -e 's/^-/\\-/' "$out.help" | awk '
    /^$/ { next }
    /^andelstipp-cli / { print ".TP"; print ".B " $0; next }
    { sub(/^ +/, ""); print }'
  printf '.SH OPTIONS\n.TP\n.BI \\-\\-dir " DIR"\nThe working directory (default: the current directory).\n'
  printf '.TP\n.B \\-\\-help\nThe usage of the tool or of one subcommand.\n'
} >"$out"
rm -f "$out.help"
