#!/usr/bin/env bash
# Usage: check_deb.sh BUILD_DIR APP_ID VERSION
# Makes the .deb with CPack and inspects it: its files and its runtime dependencies.
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
    "./usr/share/icons/hicolor/48x48/apps/$id.png"; do
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
