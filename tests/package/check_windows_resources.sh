#!/usr/bin/env bash
# Usage: check_windows_resources.sh RC_FILE MANIFEST
# Compiles the Windows resource script with MinGW's windres and validates the manifest as XML.
set -euo pipefail
rc=$1
manifest=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

xmllint --noout "$manifest"
for needed in 'PerMonitorV2' 'Microsoft.Windows.Common-Controls' 'version="6.0.0.0"' \
    'level="asInvoker"' '{e2011457-1546-43c5-a5fe-008deee3d3f0}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
    grep -qF "$needed" "$manifest" || { echo "manifest lacks $needed"; exit 1; }
done

# The host's C preprocessor serves: the script includes no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc \
    --input "$rc" --output "$out/quellfin.res" --output-format=coff
headers=$(x86_64-w64-mingw32-objdump -h "$out/quellfin.res")
grep -q '\.rsrc' <<<"$headers" || { echo "no .rsrc section"; exit 1; }
# The version record holds the strings in UTF-16.
strings_utf16=$(strings -el "$out/quellfin.res")
for needed in ProductName FileDescription Quellfin 1.0.0.0 VarFileInfo; do
    grep -qx "$needed" <<<"$strings_utf16" || { echo "the version record lacks $needed"; exit 1; }
done
dump=$(x86_64-w64-mingw32-objdump -s -j .rsrc "$out/quellfin.res")
grep -q '0904e404' <<<"$dump" || { echo "no translation US English, code page 1252"; exit 1; }
echo "resources compiled: $(stat -c %s "$out/quellfin.res") bytes"
