#!/usr/bin/env bash
# Usage: console_shows_report.sh LINUX_TOOL WINE_SH LOADER PREFIX WINDOWS_TOOL
# Runs the Windows quellfin-report in a console (Wine's, on a pseudo-terminal that `script`
# makes) and requires the console to show the report as the Linux tool prints it, accents and
# all: the tool must switch the console to UTF-8 while it writes.
set -uo pipefail
linux_tool=$1
wine_sh=$2
loader=$3
prefix=$4
windows_tool=$5
args=(dlina=80,5 --decimal , --thousands .)

export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command=$(printf '%q ' "$wine_sh" run "$loader" "$prefix" "$windows_tool" "${args[@]}")
script -qec "$command" /dev/null </dev/null >"$work/console.raw" 2>&1
status=$?
[[ $status == 77 ]] && { cat "$work/console.raw"; exit 77; }
# What the console shows: its control sequences and carriage returns taken out.
sed 's/\x1b\[[?0-9;]*[A-Za-z]//g; s/\r//g; s/[[:space:]]*$//' "$work/console.raw" >"$work/console.txt"
"$linux_tool" "${args[@]}" | sed 's/[[:space:]]*$//' >"$work/linux.txt"

if [[ $status != 0 ]] || ! diff "$work/linux.txt" "$work/console.txt"; then
    echo "the console does not show the report (status $status)"
    exit 1
fi
echo "the console shows the 37 lines: $(grep -m1 'água' "$work/console.txt")"
