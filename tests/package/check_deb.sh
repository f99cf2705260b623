#!/usr/bin/env bash
# Usage: check_deb.sh BUILD_DIR APP_ID VERSION
# Makes the .deb with CPack and inspects it: its files, its runtime dependencies, and what lintian
# says of it (any error or warning fails; informational tags are allowed).
set -euo pipefail
build=$1
id=$2
version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/quellfin_"$version"_*.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quellfin ./usr/bin/quellfin-report "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png" ./usr/share/man/man1/quellfin.1.gz \
    ./usr/share/man/man1/quellfin-report.1.gz ./usr/share/doc/quellfin/changelog.gz \
    ./usr/share/doc/quellfin/copyright; do
    grep -qxF "$file" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
if grep -E 'gtest|benchmark|render_icons|_tests|include/' <<<"$contents"; then
    echo "the package holds files that are not the program's"
    exit 1
fi

[[ "$(dpkg-deb -f "$deb" Package)" == quellfin ]]
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]]
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
[[ "$(dpkg-deb -f "$deb" Recommends)" == qt6-wayland ]] || { echo "qt6-wayland not recommended"; exit 1; }
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6; do
    grep -q "\b$needed\b" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done

# The copyright file is machine-readable and states the license as the project does.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quellfin/copyright >"$out/copyright"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$out/copyright"
grep -qx 'License: LicenseRef-proprietary' "$out/copyright"

# Every description line fits 80 columns (the first is the summary).
if dpkg-deb -f "$deb" Description | awk 'length($0) > 80 {bad = 1} END {exit !bad}'; then
    echo "a description line is longer than 80 columns"
    exit 1
fi

lintian --version
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || {
    echo "$report"
    echo "lintian reports errors or warnings"
    exit 1
}
echo "$report" | grep -v '^running with root privileges' || true
if grep -E '^[EW]: ' <<<"$report"; then
    echo "lintian reports errors or warnings"
    exit 1
fi
echo "lintian: no error, no warning"
