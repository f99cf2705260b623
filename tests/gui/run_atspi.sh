#!/usr/bin/env bash
# Usage: run_atspi.sh PROGRAM TABLE.json
# The window as a screen reader meets it: PROGRAM runs under a virtual X server with a private
# D-Bus session and the AT-SPI bus, and atspi_tree.py walks its accessible tree for the names and
# roles in TABLE. Exits 77 (skipped) only when the AT-SPI bus cannot start at all.
set -euo pipefail
program=$1
table=$2
here=$(cd "$(dirname "$0")" && pwd)
python=${QUELLFIN_SYSTEM_PYTHON:-/usr/bin/python3} # Debian's, which has pyatspi

skip() {
    echo "SKIPPED: $*"
    exit 77
}

case "${QUELLFIN_ATSPI_STAGE:-}" in
"")
    command -v xvfb-run >/dev/null || skip "xvfb-run is missing"
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (package dbus-bin)"
    export QUELLFIN_ATSPI_STAGE=x
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
    ;;
x)
    export QUELLFIN_ATSPI_STAGE=bus
    exec dbus-run-session -- "$0" "$@"
    ;;
esac

# A private session bus from here on; asking it for the AT-SPI bus starts at-spi-bus-launcher.
if ! address=$(timeout 20 dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress 2>&1) || [[ -z "${address// /}" ]]; then
    skip "the AT-SPI bus does not start (package at-spi2-core): $address"
fi
echo "AT-SPI bus: ${address// /}"

if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "FAILED: $python cannot import pyatspi (package python3-pyatspi)"
    exit 1
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

status=0
timeout 90 "$python" "$here/atspi_tree.py" "$table" 60 || status=$?
if ((status == 124)); then
    echo "FAILED: walking the accessible tree took more than 90 s"
fi
if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: the program ended while its tree was walked"
    status=1
fi
exit "$status"
