#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR APP_ID
# Installs the build into a temporary prefix, validates the desktop entry and the metainfo, checks
# the icon paths and the manual pages, and runs the installed report tool.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/quellfin bin/quellfin-report \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/quellfin.1.gz share/man/man1/quellfin-report.1.gz; do
    [[ -e "$prefix/$file" ]] || { echo "missing: $file"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [[ -s "$png" ]] || { echo "missing: $png"; exit 1; }
    file "$png" | grep -q "PNG image data, $size x $size" || { echo "wrong size: $(file "$png")"; exit 1; }
done

# Errors, warnings and hints alike (a hint: more than one main category, say).
validation=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[[ -z "$validation" ]] || { echo "desktop-file-validate: $validation"; exit 1; }
grep -qx "Categories=Science;Engineering;" "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
grep -qx "Exec=quellfin" "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" ||
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

line=$(LC_ALL=C "$prefix/bin/quellfin-report" --decimal , --thousands . dlina=60,126 | sed -n 2p)
[[ "$line" == "Vidro de fundo: 60,13 x 30 cm - 1 unidade" ]] || { echo "installed tool printed: $line"; exit 1; }
# The manual pages render without a warning from man or groff.
for page in quellfin quellfin-report; do
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || { echo "man $page: $warnings"; exit 1; }
done
# Every option, action, field and choice the tool's --help names is in its manual page.
help=$("$prefix/bin/quellfin-report" --help)
page=$(MANWIDTH=1000 man -l "$prefix/share/man/man1/quellfin-report.1.gz" 2>/dev/null)
names=$(
    grep -oE -- '--[a-z][a-z-]*' <<<"$help" || true                  # --decimal
    grep -oE '\b[a-z]+=' <<<"$help" | tr -d = || true                 # plotnost=N
    grep -oE '\b[a-z]+(, [a-z]+){2,}' <<<"$help" | tr -s ', ' '\n\n' || true # dlina, shirina, voda
    grep -oE '\b[a-z]+(\|[a-z]+)+' <<<"$help" | tr '|' '\n' || true     # braced|rimless
)
[[ $(wc -w <<<"$names") -ge 10 ]] || { echo "too few names read from --help: $names"; exit 1; }
for name in $names; do
    grep -qwF -- "$name" <<<"$page" || { echo "quellfin-report(1) does not mention $name"; exit 1; }
done
echo "quellfin-report(1) names all $(sort -u <<<"$names" | wc -l) names of --help"
echo "installed tree in $prefix is complete and valid"
