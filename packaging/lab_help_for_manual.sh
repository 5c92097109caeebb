#!/usr/bin/env bash
# Stands in for vantrel-lab when help2man writes its manual page: --help prints the lab's help
# followed by every command's own, so that the page lists each command with its options.
#
#   lab_help_for_manual.sh VANTREL-LAB --help
set -euo pipefail
lab=$1
help=$("$lab" --help)
echo "$help"
# The commands are the indented words of the block headed "Commands:" (in any case).
commands=$(awk 'tolower($0) ~ /^(sub)?commands:/ { inside = 1; next }
                inside && /^[[:space:]]+[a-z]/ { print $1; next }
                inside && /^$/ { inside = 0 }' <<<"$help")
for command in $commands; do
    echo
    echo "Command $command:"
    "$lab" "$command" --help | sed '1s/^Usage: /  Usage: /'
done
