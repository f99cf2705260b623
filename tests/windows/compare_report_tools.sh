#!/usr/bin/env bash
# Usage: compare_report_tools.sh CASES LINUX_TOOL WINE_SH LOADER PREFIX WINDOWS_TOOL
# Runs every case of the table CASES through the Linux quellfin-report and through the Windows
# one under Wine, and requires the same status, the same bytes on stdout and on stderr, the
# status the table expects, and the 37 report lines whenever the status is 0.
set -uo pipefail
cases=$1
linux_tool=$2
wine_sh=$3
loader=$4
prefix=$5
windows_tool=$6

export LC_ALL=C.UTF-8 # the table's $'\u...' words are written out in UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One tool: its exit status, and stdout and stderr in files.
run() {
    local name=$1
    shift
    "$@" >"$work/$name.out" 2>"$work/$name.err"
    echo $?
}

passed=0
failed=0
line_number=0
while IFS= read -r line || [[ -n $line ]]; do
    line_number=$((line_number + 1))
    [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
    eval "set -- $line"
    expected=$1
    locale=$2
    shift 2
    shown="line $line_number: LC_ALL=$locale $*"

    locale_settings=(LANG="$locale" LC_ALL="$locale")
    linux=$(run linux env "${locale_settings[@]}" "$linux_tool" "$@")
    windows=$(run windows "$wine_sh" run "$loader" "$prefix" "${locale_settings[@]}" \
        "$windows_tool" "$@")
    if [[ $windows == 77 ]]; then
        cat "$work/windows.err" >&2
        exit 77
    fi

    problems=()
    [[ $linux == "$expected" ]] || problems+=("the Linux tool ended with $linux, the table expects $expected")
    [[ $windows == "$linux" ]] || problems+=("status $windows under Wine, $linux on Linux")
    cmp -s "$work/linux.out" "$work/windows.out" || problems+=("stdout differs")
    cmp -s "$work/linux.err" "$work/windows.err" || problems+=("stderr differs")
    lines=$(wc -l <"$work/linux.out")
    if [[ $linux == 0 && $lines != 37 && $* != *--help* && $* != *--glass* && $* != *--json* ]]; then
        problems+=("$lines report lines instead of 37")
    fi

    if ((${#problems[@]})); then
        failed=$((failed + 1))
        echo "FAIL $shown"
        printf '  %s\n' "${problems[@]}"
        for stream in out err; do
            if ! cmp -s "$work/linux.$stream" "$work/windows.$stream"; then
                diff <(od -An -c "$work/linux.$stream") <(od -An -c "$work/windows.$stream") |
                    head -n 20 | sed 's/^/    /'
            fi
        done
    else
        passed=$((passed + 1))
        echo "ok   $shown (status $linux, $(wc -c <"$work/linux.out") + $(wc -c <"$work/linux.err") bytes)"
    fi
done <"$cases"

echo "$passed passed, $failed failed"
((passed > 0 && failed == 0))
