#!/usr/bin/env bash
# Usage: check_imports.sh PROGRAM.exe...
# Fails when a program imports a DLL that Windows itself does not bring (MinGW's runtime DLLs,
# libstdc++, winpthread), so the programs run on their own.
set -euo pipefail
system_dlls='^(kernel32|msvcrt|user32|advapi32|shell32|ws2_32|bcrypt|ntdll)\.dll$'
status=0
for program in "$@"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [[ -n $dlls ]] || { echo "$program: no import table found"; exit 1; }
    while read -r dll; do
        if ! grep -qiE "$system_dlls" <<<"$dll"; then
            echo "$program imports $dll, which Windows does not bring"
            status=1
        fi
    done <<<"$dlls"
    echo "$(basename "$program"): $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
