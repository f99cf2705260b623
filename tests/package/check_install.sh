#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR APP_ID
# Installs the build into a temporary prefix, validates the desktop entry and the metainfo, checks
# the icon paths, and runs the installed report tool.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/quellfin bin/quellfin-report \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg"; do
    [[ -e "$prefix/$file" ]] || { echo "missing: $file"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [[ -s "$png" ]] || { echo "missing: $png"; exit 1; }
    file "$png" | grep -q "PNG image data, $size x $size" || { echo "wrong size: $(file "$png")"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
grep -qx "Exec=quellfin" "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" ||
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

line=$(LC_ALL=C "$prefix/bin/quellfin-report" --decimal , --thousands . dlina=60,126 | sed -n 2p)
[[ "$line" == "Vidro de fundo: 60,13 x 30 cm - 1 unidade" ]] || { echo "installed tool printed: $line"; exit 1; }
echo "installed tree in $prefix is complete and valid"
